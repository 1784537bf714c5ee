#pragma once

namespace korven::link_texts {

// Messages the link shows; the screens that talk to a logger share them.
inline constexpr char notConnected[] = "ATTENZIONE! KORVEN NON COLLEGATA.";
inline constexpr char transmissionError[] = "Attention! Trasmission error. Try again.";
inline constexpr char invalidPort[] = "Porta seriale non valida";
inline constexpr char invalidValue[] = "ATTENZIONE valore non valido";
inline constexpr char resumeFailed[] = "ATTENZIONE: Errore durante la rimessa in scansione";
inline constexpr char resumeRefused[] =
    "ATTENTIONE: Errore durante la rimessa in scansione. CONTROLLARE KORVEN";
inline constexpr char resumeDone[] = "Procedura terminata con successo";
inline constexpr char failedLinkStatus[] = "   ";

} // namespace korven::link_texts
