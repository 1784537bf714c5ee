#include "shell/screens/about_box.h"
#include "session/screen_names.h"

#include "platform/document_opener.h"
#include "shell/program_facts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>
#include <initializer_list>

namespace korven {
namespace {

// A label that looks like a link and opens it when clicked anywhere on it.
class LinkLabel : public QLabel {
public:
    LinkLabel(const QString& name, const QString& text, std::function<void()> open, QWidget* parent)
        : QLabel(text, parent), open_(std::move(open)) {
        setObjectName(name);
        setCursor(Qt::PointingHandCursor);
        setStyleSheet(QStringLiteral("color: #1a5fb4; text-decoration: underline;"));
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton)
            open_();
    }

private:
    std::function<void()> open_;
};

} // namespace

AboutBox::AboutBox(DocumentOpener& documents, QWidget* parent) : QWidget(parent) {
    using namespace program_facts;
    setObjectName(screen_name::about);
    setWindowTitle(QStringLiteral("About KORVEN..."));

    auto* title = new QLabel(QStringLiteral("KORVEN"), this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    title->setFont(titleFont);
    auto* version = new QLabel(QStringLiteral("Versione ") + program_facts::version(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* description = new QLabel(fileDescription, this);
    auto* details = new QLabel(purpose, this);
    details->setWordWrap(true);
    auto* makerLabel = new QLabel(maker, this);

    const QString mail = mailAddress;
    const QString web = webAddress;
    auto* mailLink = new LinkLabel(
        QStringLiteral("MAILlbl"), mail,
        [&documents, mail] { documents.openLink(QStringLiteral("mailto:") + mail); }, this);
    auto* webLink = new LinkLabel(
        QStringLiteral("URLlbl"), web, [&documents, web] { documents.openLink(web); }, this);

    auto* close = new QPushButton(QStringLiteral("E&xit"), this);
    close->setObjectName(QStringLiteral("btnclose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    for (QWidget* line : std::initializer_list<QWidget*>{title, version, description, details,
                                                         makerLabel, mailLink, webLink})
        layout->addWidget(line);
    layout->addLayout(buttons);
}

} // namespace korven
