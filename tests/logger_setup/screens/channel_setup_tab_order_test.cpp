#include "logger_setup/logger_set_bytes.h"
#include "logger_setup/screens/channel_setup_screen.h"
#include "support/session_rig.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace korven::test {
namespace {

// The controls the Tab key reaches from `first` until it comes back to it,
// by object name.
QStringList tabbedFrom(QWidget* first) {
    first->setFocus();
    QStringList reached;
    do {
        reached.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    } while (QApplication::focusWidget() != first && reached.size() < 100);
    return reached;
}

TEST(ChannelSetupScreen, TabGoesAlongEachRowThenDownToTheInputsAndTheButtons) {
    SessionRig rig({});
    writeLoggerSet(rig.folder);
    ChannelSetupScreen screen(rig.session);
    screen.show();
    screen.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));

    QStringList expected;
    for (int row = 0; row < 8; ++row) {
        for (const char* column :
             {"descr", "Label5", "ACTIV_G", "GAIN", "ZERO", "scala", "alim1", "punto1", "unita1"})
            expected.append(QStringLiteral("%1_%2").arg(QLatin1String(column)).arg(row));
    }
    // The channel count's two options are one stop; the arrows choose between them.
    expected += {"ACTIV_DIG_1", "ACTIV_DIG_2", "Option1_0", "Command3d1",
                 "Command3d6",  "Command3d5",  "Command3d2"};
    const QStringList reached = tabbedFrom(screen.findChild<QWidget*>("descr_0"));
    EXPECT_EQ(reached, expected) << qPrintable(reached.join(u' '));
    EXPECT_TRUE(rig.prompter.texts().isEmpty()) << "passing through a field is no edit";
}

} // namespace
} // namespace korven::test
