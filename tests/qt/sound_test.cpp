// The desktop host's wave player. Without an audio output only the silent cases can be checked; with one
// (a desktop, or a sound server with a null sink) the waiting and replacing of cues is checked too.

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <gtest/gtest.h>

#include "host/qt/qt_host.h"

namespace {

bool haveAudioOutput() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

TEST(QtSound, AMissingFilePlaysNothingAndReturnsAtOnce) {
    wm::QtHost host;
    QElapsedTimer elapsed;
    elapsed.start();
    host.playSound("sndnosuch.wav", true);
    EXPECT_LT(elapsed.elapsed(), 500);
    EXPECT_TRUE(host.soundsPlaying().empty());
}

TEST(QtSound, AWaitingCueReturnsWhenItHasFinished) {
    if (!haveAudioOutput()) GTEST_SKIP() << "no audio output";
    wm::QtHost host;
    QElapsedTimer elapsed;
    elapsed.start();
    host.playSound("sndbell3.wav", true); // 1.65 seconds of bell
    EXPECT_GE(elapsed.elapsed(), 1400);
    EXPECT_LT(elapsed.elapsed(), 5000);
    EXPECT_TRUE(host.soundsPlaying().empty());
}

TEST(QtSound, ACueThatDoesNotWaitPlaysOnUntilTheNextReplacesIt) {
    if (!haveAudioOutput()) GTEST_SKIP() << "no audio output";
    wm::QtHost host;
    QElapsedTimer elapsed;
    elapsed.start();
    host.playSound("sndwLMS.wav", false); // 1.3 seconds of hooter
    EXPECT_LT(elapsed.elapsed(), 500);
    using Names = std::vector<std::string>;
    EXPECT_EQ(host.soundsPlaying(), Names{"sndwLMS.wav"});
    host.playSound("snderror.wav", false);
    EXPECT_EQ(host.soundsPlaying(), Names{"snderror.wav"});
    // The same cue again starts over rather than sounding twice.
    host.playSound("snderror.wav", false);
    EXPECT_EQ(host.soundsPlaying(), Names{"snderror.wav"});
}

} // namespace
