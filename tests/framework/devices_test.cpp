// The device seams: what tests see instead of beeps, boxes, speech, sound and browsers.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QTemporaryDir>
#include <QThread>
#include <string>
#include <vector>

#include "framework/devices.h"
#include "support/test_support.h"

namespace {

TEST(DeviceBeep, CountsEveryBeep) {
  fw::ResetBeepCountForTesting();
  fw::Beep();
  fw::Beep();
  EXPECT_EQ(fw::BeepCountForTesting(), 2);
  fw::ResetBeepCountForTesting();
  EXPECT_EQ(fw::BeepCountForTesting(), 0);
}

TEST(DeviceMessages, BoxesAndSpeechGoToTheirHandlers) {
  std::vector<std::string> boxes;
  fw::SetMsgBoxHandlerForTesting([&](const std::string& t) { boxes.push_back(t); });
  fw::MsgBox("Custom LANGUAGE.txt not found!\r\rEnglish file created");
  fw::SetMsgBoxHandlerForTesting(nullptr);
  EXPECT_EQ(boxes, std::vector<std::string>{"Custom LANGUAGE.txt not found!\r\rEnglish file created"});

  std::vector<std::pair<std::string, bool>> spoken;
  fw::SetSpeakHandlerForTesting([&](const std::string& t, bool cut) { spoken.emplace_back(t, cut); });
  fw::Speak("ciao", true);
  fw::Speak("", false);
  fw::SetSpeakHandlerForTesting(nullptr);
  EXPECT_EQ(spoken, (std::vector<std::pair<std::string, bool>>{{"ciao", true}, {"", false}}));
}

TEST(DeviceShowURL, OnlyWebAndMailAddressesPassAsOneURL) {
  std::vector<std::string> opened;
  fw::SetShowURLHandlerForTesting([&](const std::string& u) { opened.push_back(u); });
  // The scheme alone is an empty contact field's address: a blank page or message.
  for (const char* ok : {"http://example.com", "https://example.com/a b?q=1;rm -rf",
                         "HTTPS://EXAMPLE.COM", "mailto:anna@example.com", "http://", "HTTPS://", "mailto:"})
    EXPECT_TRUE(fw::ShowURL(ok)) << ok;
  for (const char* bad : {"", "www.example.com", "file:///etc/passwd", "javascript:alert(1)", "ftp://example.com",
                          "ftp://", "file://", "http:", "http:///etc/passwd", "-e http://x.com"})
    EXPECT_FALSE(fw::ShowURL(bad)) << bad;
  fw::SetShowURLHandlerForTesting(nullptr);
  ASSERT_EQ(opened.size(), 7u);
  EXPECT_EQ(opened[1], "https://example.com/a b?q=1;rm -rf");  // untouched, no shell
}

class DeviceSound : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = QDir(dir.path()).filePath(QString::fromStdString(name)).toStdString();
    testsupport::WriteFile(path, bytes);
    return path;
  }
  QTemporaryDir dir;
};

TEST_F(DeviceSound, ASoundIsKnownByItsContent) {
  const std::string wavHead = std::string("RIFF\x24\0\0\0WAVEfmt ", 16);
  const std::string aiffHead = std::string("FORM\0\0\0\x20" "AIFF", 12);
  for (const auto& [name, bytes] : std::vector<std::pair<std::string, std::string>>{
           {"a.wav", wavHead}, {"b.aif", aiffHead}, {"c.mp3", "ID3\x03\0\0\0\0\0\0"},
           {"d.mp3", "\xFF\xFB\x90\x64"}, {"e.ogg", "OggS\0\x02"}, {"f.flac", "fLaC\0\0\0\x22"},
           {"no-extension", wavHead}})
    EXPECT_NE(fw::OpenAsSound(Write(name, bytes)), nullptr) << name;

  for (const auto& [name, bytes] : std::vector<std::pair<std::string, std::string>>{
           {"notes.wav", "just some text"}, {"empty.wav", ""}, {"short.wav", "RIFF"},
           {"fake.mp3", "\xFF\xE0\x00"}})
    EXPECT_EQ(fw::OpenAsSound(Write(name, bytes)), nullptr) << name;
  EXPECT_EQ(fw::OpenAsSound(dir.filePath("missing.wav").toStdString()), nullptr);
  EXPECT_EQ(fw::OpenAsSound(dir.path().toStdString()), nullptr);  // a folder
  EXPECT_EQ(fw::OpenAsSound(""), nullptr);
}

TEST_F(DeviceSound, PlayingLoopingAndStoppingAreSeenByTests) {
  const std::string path = Write("alarm.wav", std::string("RIFF\x24\0\0\0WAVEfmt ", 16));
  std::vector<std::string> events;
  fw::SetSoundEventHandlerForTesting([&](const std::string& e) { events.push_back(e); });
  auto sound = fw::OpenAsSound(path);
  ASSERT_NE(sound, nullptr);
  EXPECT_EQ(sound->Path(), path);
  EXPECT_FALSE(sound->IsPlaying());
  sound->Play();
  sound->PlayLooping();
  EXPECT_TRUE(sound->IsPlaying());
  sound->Stop();
  EXPECT_FALSE(sound->IsPlaying());
  fw::SetSoundEventHandlerForTesting(nullptr);
  EXPECT_EQ(events, (std::vector<std::string>{"play " + path, "loop " + path, "stop " + path}));
}

// A fifth of a second of silence, 8 kHz mono 16-bit.
std::string SilentWav() {
  const uint32_t dataBytes = 8000 / 5 * 2;
  auto le = [](uint32_t v, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
  };
  return "RIFF" + le(36 + dataBytes, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(8000, 4) +
         le(16000, 4) + le(2, 2) + le(16, 2) + "data" + le(dataBytes, 4) + std::string(dataBytes, '\0');
}

// Turns the event loop for `ms` milliseconds, or until `done` holds.
bool RunEventsFor(int ms, const std::function<bool()>& done = [] { return false; }) {
  QDeadlineTimer deadline(ms);
  while (!deadline.hasExpired()) {
    if (done()) return true;
    QCoreApplication::processEvents();
    QThread::msleep(10);
  }
  return done();
}

// Through the system's player (a null output where the machine has no sound device):
// a single play ends by itself, a looping one goes on past its end until stopped.
TEST_F(DeviceSound, ASoundPlaysToItsEndOrLoopsUntilStopped) {
  auto sound = fw::OpenAsSound(Write("silence.wav", SilentWav()));
  ASSERT_NE(sound, nullptr);
  sound->Play();
  EXPECT_TRUE(sound->IsPlaying());
  EXPECT_TRUE(RunEventsFor(30000, [&] { return !sound->IsPlaying(); })) << "the single play never ended";

  sound->PlayLooping();
  RunEventsFor(1000);  // five times its length
  EXPECT_TRUE(sound->IsPlaying());
  sound->Stop();
  EXPECT_FALSE(sound->IsPlaying());
  RunEventsFor(300);
  EXPECT_FALSE(sound->IsPlaying());
}

}  // namespace
