#pragma once

#include <QByteArray>

// How the program reads the local modem's answers: by position, as every
// answer is framed the same way (CR, LF, the word, CR, LF).
namespace korven {

// Characters that end the wait for the echo-off answer and for an
// initialisation string's answer ("\r\nOK\r\n").
inline constexpr int kModemAnswerLength = 6;
// Characters that end the wait for the call: "\r\nCONNECT 9600\r\n" and its kind.
inline constexpr int kCallAnswerLength = 15;
// Characters that end the wait for the hang-up's answer.
inline constexpr int kHangUpAnswerLength = 4;

// The call came up: the first "C" among characters 1 to 5 starts "CONNECT".
// "\r\nCONNECT 9600\r\n" is one ("C" is character 3), so is "CONNECT 2400".
bool answersConnect(const QByteArray& answer);

// Characters 3 and 4 are "OK", as in "\r\nOK\r\n".
bool answersOk(const QByteArray& answer);

} // namespace korven
