#include "system_setup/screens/system_setup_screen.h"

#include "platform/widgets/named_button.h"
#include "session/screen_names.h"
#include "session/session.h"
#include "system_setup/screens/activation_toggle.h"
#include "system_setup/system_channel_layout.h"
#include "system_setup/system_report.h"

#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace korven {
namespace {

using L = SystemChannelLayout;

// A field takes no more than its place in the record holds, so nothing typed
// is cut off unseen when it is saved.
QLineEdit* textBox(const QString& name, int width, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(width);
    return box;
}

// The lists show whatever a record holds and take whatever the user types,
// exactly as typed: no completion, nothing added to the choices.
QComboBox* editableList(const QString& name, const QStringList& choices, int width,
                        QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    list->addItems(choices);
    list->lineEdit()->setMaxLength(width);
    return list;
}

// The longest text of a list: what the user may type there is no longer.
int longest(const QStringList& choices) {
    qsizetype width = 0;
    for (const QString& choice : choices)
        width = std::max(width, choice.size());
    return static_cast<int>(width);
}

} // namespace

SystemSetupScreen::SystemSetupScreen(Session& session, QWidget* parent)
    : QWidget(parent), session_(session),
      editor_(session.installation.systemFilePath, session.prompter) {
    setObjectName(screen_name::systemSetupEditor);
    setWindowTitle(QStringLiteral("Setup Sistema"));
    buildFields();
    layOut();
    run(&SystemChannelEditor::open);
}

void SystemSetupScreen::buildFields() {
    channel_ = new QLabel(this);
    channel_->setObjectName(QStringLiteral("numsche"));
    channel_->setFrameShape(QFrame::Panel);
    channel_->setFrameShadow(QFrame::Sunken);
    channel_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    moduleCode_ = textBox(QStringLiteral("nlog1"), L::moduleCode.size, this);
    moduleChannel_ = textBox(QStringLiteral("ncan1"), L::moduleChannel.size, this);
    activation_ = new ActivationToggle(this);
    activation_->setObjectName(QStringLiteral("act"));
    activation_->setMinimumWidth(2 * fontMetrics().horizontalAdvance(QStringLiteral("OFF")));
    unit_ = editableList(QStringLiteral("unita1"), unitChoices(), L::unit.size, this);
    mask_ = editableList(QStringLiteral("punto1"), maskChoices(), longest(maskChoices()), this);
    description_ = textBox(QStringLiteral("desch"), L::description.size, this);
    // Room for the whole of the record's twenty characters.
    description_->setMinimumWidth(fontMetrics().horizontalAdvance(QString(24, QLatin1Char('M'))));
    treatment_ =
        editableList(QStringLiteral("Trat"), treatmentChoices(), longest(treatmentChoices()), this);
    gain_ = textBox(QStringLiteral("fondoscala"), L::gain.size, this);
    zero_ = textBox(QStringLiteral("zero"), L::zero.size, this);
    connect(activation_, &ActivationToggle::clicked, this,
            [this] { run(&SystemChannelEditor::toggleActivation); });
}

void SystemSetupScreen::layOut() {
    auto* previous = namedButton(QStringLiteral("Command3D4"), QStringLiteral("◀"), this);
    previous->setToolTip(QStringLiteral("Canale precedente"));
    auto* next = namedButton(QStringLiteral("Command3D3"), QStringLiteral("▶"), this);
    next->setToolTip(QStringLiteral("Canale successivo"));
    auto* copyAll = namedButton(QStringLiteral("Command3d5"), QStringLiteral("Copia tutti"), this);
    auto* copyOne = namedButton(QStringLiteral("Command3D7"), QStringLiteral("Copia uno"), this);
    auto* print = namedButton(QStringLiteral("Command3d6"), QStringLiteral("Stampa"), this);
    auto* save = namedButton(QStringLiteral("Command3d1"), QStringLiteral("Salva"), this);
    auto* leave = namedButton(QStringLiteral("Command3d2"), QStringLiteral("Uscita"), this);

    auto* stepping = new QHBoxLayout;
    stepping->addWidget(new QLabel(QStringLiteral("Numero Canale"), this));
    stepping->addWidget(channel_);
    stepping->addWidget(previous);
    stepping->addWidget(next);
    stepping->addStretch();
    stepping->addWidget(new QLabel(QStringLiteral("Attivazione"), this));
    stepping->addWidget(activation_);

    auto* correspondence = new QGroupBox(QStringLiteral("Corrispondenza Canali"), this);
    auto* moduleFields = new QFormLayout(correspondence);
    moduleFields->addRow(QStringLiteral("Codice MR7400"), moduleCode_);
    moduleFields->addRow(QStringLiteral("Numero Canale"), moduleChannel_);

    auto* coefficients = new QGroupBox(QStringLiteral("Coefficienti di linearizzazione"), this);
    auto* coefficientFields = new QFormLayout(coefficients);
    coefficientFields->addRow(QStringLiteral("Gain"), gain_);
    coefficientFields->addRow(QStringLiteral("Zero"), zero_);

    auto* channelFields = new QFormLayout;
    channelFields->addRow(QStringLiteral("Descrizione canale"), description_);
    channelFields->addRow(QStringLiteral("Unita' di Misura"), unit_);
    channelFields->addRow(QStringLiteral("Punto decimale"), mask_);
    channelFields->addRow(QStringLiteral("Trattamento"), treatment_);

    auto* groups = new QGridLayout;
    groups->addLayout(channelFields, 0, 0, 2, 1);
    groups->addWidget(correspondence, 0, 1);
    groups->addWidget(coefficients, 1, 1);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {copyOne, copyAll, print, save, leave})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(stepping);
    layout->addLayout(groups);
    layout->addLayout(buttons);

    // The keyboard goes through the screen as the eye does: the stepping row,
    // the channel's own fields, its correspondence and coefficients, then the
    // buttons from left to right.
    QWidget* const order[] = {previous,   next,        activation_,    description_, unit_, mask_,
                              treatment_, moduleCode_, moduleChannel_, gain_,        zero_, copyOne,
                              copyAll,    print,       save,           leave};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(next, &QPushButton::clicked, this, [this] { run(&SystemChannelEditor::next); });
    connect(previous, &QPushButton::clicked, this, [this] { run(&SystemChannelEditor::previous); });
    connect(copyOne, &QPushButton::clicked, this, [this] { run(&SystemChannelEditor::copyOne); });
    connect(copyAll, &QPushButton::clicked, this, [this] { run(&SystemChannelEditor::copyAll); });
    connect(save, &QPushButton::clicked, this, [this] { run(&SystemChannelEditor::save); });
    connect(print, &QPushButton::clicked, this, &SystemSetupScreen::print);
    connect(leave, &QPushButton::clicked, this, &QWidget::close);
}

void SystemSetupScreen::run(void (SystemChannelEditor::*action)()) {
    takeFields();
    (editor_.*action)();
    showFields();
}

void SystemSetupScreen::takeFields() {
    SystemChannelFields& f = editor_.fields();
    f.activation = activation_->text();
    f.moduleCode = moduleCode_->text();
    f.moduleChannel = moduleChannel_->text();
    f.unit = unit_->currentText();
    f.mask = mask_->currentText();
    f.description = description_->text();
    f.treatment = treatment_->currentText();
    f.gain = gain_->text();
    f.zero = zero_->text();
}

void SystemSetupScreen::showFields() {
    const SystemChannelFields& f = editor_.fields();
    channel_->setText(editor_.channelCaption());
    activation_->showActivation(f.activation, editor_.activationOn());
    moduleCode_->setText(f.moduleCode);
    moduleChannel_->setText(f.moduleChannel);
    unit_->setEditText(f.unit);
    mask_->setEditText(f.mask);
    description_->setText(f.description);
    treatment_->setEditText(f.treatment);
    gain_->setText(f.gain);
    zero_->setText(f.zero);
}

// The sheet is printed from the file, as saved: what is typed and not yet
// saved does not show on it.
void SystemSetupScreen::print() {
    setCursor(Qt::WaitCursor);
    SheetPrinter printer{session_.printer, session_.prompter};
    printSystemReport(session_.installation.systemFilePath, treatment_->currentText(),
                      QDate::currentDate(), printer);
    unsetCursor();
}

} // namespace korven
