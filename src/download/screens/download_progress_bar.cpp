#include "download/screens/download_progress_bar.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace korven {

DownloadProgressBar::DownloadProgressBar(QWidget* parent)
    : QWidget(parent), bar_(new QProgressBar(this)), text_(new QLabel(this)) {
    bar_->setObjectName(QStringLiteral("progressBar"));
    text_->setObjectName(QStringLiteral("progressText"));
    bar_->setRange(0, 1);
    bar_->setValue(0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar_);
    layout->addWidget(text_);
}

void DownloadProgressBar::showProgress(const DownloadProgress& progress) {
    bar_->setRange(0, std::max(progress.total, 1));
    bar_->setValue(progress.done);
    text_->setText(progressText(progress));
}

} // namespace korven
