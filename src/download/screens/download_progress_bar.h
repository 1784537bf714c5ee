#pragma once

#include "download/download_progress.h"

#include <QWidget>

class QLabel;
class QProgressBar;

namespace korven {

// A download's progress: a bar, and the blocks done, to go and the time left.
class DownloadProgressBar : public QWidget {
    Q_OBJECT
public:
    explicit DownloadProgressBar(QWidget* parent = nullptr);

    void showProgress(const DownloadProgress& progress);

private:
    QProgressBar* bar_;
    QLabel* text_;
};

} // namespace korven
