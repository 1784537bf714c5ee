#pragma once

#include <QString>

#include <optional>

namespace korven {

struct OpenFileRequest {
    QString initialFolder;
    QString filter;             // as " FILE (*.stp)|*.stp|"
    bool promptToCreate = true; // a name that does not exist may be typed, after a question
};

struct SaveFileRequest {
    QString initialFolder;
    QString filter;           // empty for no filter
    QString defaultExtension; // without the dot; empty for none
    QString proposedName;     // the file name offered, without its folder; empty for none
};

// The file dialogs. An empty optional means the user cancelled.
class FileChooser {
public:
    virtual ~FileChooser() = default;

    virtual std::optional<QString> chooseOpenFile(const OpenFileRequest& request) = 0;
    virtual std::optional<QString> chooseSaveFile(const SaveFileRequest& request) = 0;
};

} // namespace korven
