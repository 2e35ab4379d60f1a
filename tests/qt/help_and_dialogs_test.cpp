// The help book beside the program answers every context the game opens, and the two game dialogs
// show what the player chooses from. Screenshots of each land in build/screenshots.

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include "host/qt/end_dialog.h"
#include "host/qt/help_window.h"
#include "host/qt/options_dialog.h"
#include "host/qt/select_game_dialog.h"

#include "real_window.h"

namespace {

QString helpFile() {
    return QString(WENDMOOR_BUILD_DIR) + "/WM58.qch";
}

void saveShot(QWidget& widget, const char* name) {
    widget.show();
    QApplication::processEvents();
    EXPECT_TRUE(widget.grab().save(wm::testing::screenshotPath(name)));
}

TEST(HelpBook, EveryContextTheGameOpensShowsATopicWithText) {
    wm::HelpWindow help(helpFile());
    ASSERT_TRUE(help.ready()) << helpFile().toStdString();
    const int contexts[] = {4,   75,  100, 110, 120, 121, 122, 123, 124, 125, 171,
                            181, 191, 201, 211, 221, 225, 241, 250, 261, 300, 331};
    for (int context : contexts) {
        const QString topic = help.topicFor(context);
        ASSERT_FALSE(topic.isEmpty()) << "context " << context << " has no topic";
        help.showContext(context);
        EXPECT_TRUE(help.browser()->source().toString().endsWith(topic)) << context;
        EXPECT_GT(help.browser()->toPlainText().size(), 200) << "context " << context << " opens a bare page";
    }
}

TEST(HelpBook, TheLocosTopicListsTheEngineClassesWithTheirPower) {
    wm::HelpWindow help(helpFile());
    ASSERT_TRUE(help.ready());
    help.showContext(250);
    const QString text = help.browser()->toPlainText();
    EXPECT_TRUE(text.contains("Locos")) << text.left(200).toStdString();
    help.resize(900, 700);
    saveShot(help, "help-locos.png");
}

TEST(HelpBook, AnUnknownContextShowsTheContents) {
    wm::HelpWindow help(helpFile());
    ASSERT_TRUE(help.ready());
    help.showContext(9999);
    EXPECT_TRUE(help.browser()->source().toString().endsWith(help.topicFor(4)));
}

TEST(GameDialogs, TheOptionsDialogShowsTheValuesItWasGivenAndReturnsTheChanges) {
    wm::OptionValues given;
    given.clockRunning = false;
    given.sound = true;
    given.fontSize = 14;
    wm::OptionsDialog dialog(nullptr, given);
    EXPECT_EQ(dialog.windowTitle(), "TAVO Game Options");
    EXPECT_FALSE(dialog.ClockBox->isChecked());
    EXPECT_TRUE(dialog.SoundBox->isChecked());
    EXPECT_FALSE(dialog.AutoSaveBox->isEnabled());
    EXPECT_EQ(dialog.TrackBar1->minimum(), 6);
    EXPECT_EQ(dialog.TrackBar1->maximum(), 26);
    EXPECT_EQ(dialog.TrackBar1->value(), 14);
    dialog.TrackBar1->setValue(20);
    dialog.ClockBox->setChecked(true);
    EXPECT_TRUE(dialog.Label9->text().contains("20")) << dialog.Label9->text().toStdString();
    const wm::OptionValues back = dialog.values();
    EXPECT_EQ(back.fontSize, 20);
    EXPECT_TRUE(back.clockRunning);
    saveShot(dialog, "options-dialog.png");
}

TEST(GameDialogs, TheFontTrackBarRunsFromSixAtTheTopAndItsKeysFollowTheHandle) {
    wm::OptionValues given;
    given.fontSize = 14;
    wm::OptionsDialog dialog(nullptr, given);
    dialog.show();
    // The handle stands nearer the top for a smaller size.
    QStyleOptionSlider option;
    option.initFrom(dialog.TrackBar1);
    auto handleY = [&] {
        option.minimum = dialog.TrackBar1->minimum();
        option.maximum = dialog.TrackBar1->maximum();
        option.sliderPosition = dialog.TrackBar1->value();
        option.orientation = Qt::Vertical;
        // As QSlider fills it in: a vertical slider's minimum is at the bottom unless inverted.
        option.upsideDown = !dialog.TrackBar1->invertedAppearance();
        option.rect = dialog.TrackBar1->rect();
        return dialog.TrackBar1->style()
            ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, dialog.TrackBar1)
            .center()
            .y();
    };
    const int at14 = handleY();
    QTest::keyClick(dialog.TrackBar1, Qt::Key_Down);
    EXPECT_EQ(dialog.TrackBar1->value(), 15) << "Down moves the handle down, towards 26";
    EXPECT_GT(handleY(), at14);
    QTest::keyClick(dialog.TrackBar1, Qt::Key_Up);
    EXPECT_EQ(dialog.TrackBar1->value(), 14);
}

TEST(GameDialogs, TheOptionsDialogIsWideEnoughForItsTitle) {
    wm::OptionsDialog dialog(nullptr, wm::OptionValues{});
    dialog.show();
    EXPECT_GT(dialog.width(), QFontMetrics(dialog.font()).horizontalAdvance(dialog.windowTitle()));
}

TEST(GameDialogs, TheSelectGameDialogMapsItsButtonsToItemPositions) {
    wm::SelectGameDialog dialog(nullptr, "Wendmoor Summer 1958");
    EXPECT_EQ(dialog.windowTitle(), "TAVO select game");
    EXPECT_EQ(dialog.SimName->text(), "Wendmoor Summer 1958");
    EXPECT_EQ(dialog.choice().difficultyItem, 0);
    EXPECT_EQ(dialog.choice().dayItem, -1); // no day until one is chosen; the game then plays Sunday
    saveShot(dialog, "select-game-dialog.png");
    dialog.DiffLevel->button(3)->click();
    const wm::GameChoice hard = dialog.choice();
    EXPECT_EQ(hard.difficultyItem, 3);
    for (auto* day : dialog.SelectDay->buttons()) {
        day->click();
        EXPECT_EQ(dialog.choice().dayItem, dialog.SelectDay->id(day));
    }
}

TEST(GameDialogs, TheEndOfSessionDialogNamesTheGameWhenItIsShown) {
    wm::EndDialog dialog(nullptr, "Wendmoor Summer 1958", "Your rating is good.",
                         "Actual score was  142 points", " Score was  71% of target");
    EXPECT_EQ(dialog.windowTitle(), "TAVO end of session");
    EXPECT_TRUE(dialog.SimName->text().isEmpty());
    saveShot(dialog, "end-dialog.png");
    EXPECT_EQ(dialog.SimName->text(), "Wendmoor Summer 1958");
    EXPECT_EQ(dialog.Rating->text(), "Your rating is good.");
}

} // namespace
