#pragma once
// Output devices: beep, message box, speech, sound files, web addresses. Each sits
// behind a seam that tests can answer, and each degrades quietly when the device is
// missing (no sound card, no speech engine, no desktop).
#include <functional>
#include <memory>
#include "framework/text.h"

namespace fw {

void Beep();
int BeepCountForTesting();  // beeps since the start (or the last reset)
void ResetBeepCountForTesting();

// A modal message box. CR (13) in the text is a line break. When nobody can answer
// (no desktop, or the program ending on a signal or at the session's end) the text
// goes to stderr instead.
void MsgBox(const String& text);
// While set, message boxes go here instead of showing.
void SetMsgBoxHandlerForTesting(std::function<void(const String&)> handler);

// A modal question with two answers; the second is the default and what Escape gives.
// True when the user picks the first, and when nobody can answer.
bool AskQuestion(const String& text, const String& first, const String& second);
// While set, questions go here instead of showing; it answers whether the first is taken.
void SetQuestionHandlerForTesting(std::function<bool(const String&)> handler);

// Speech through the system's synthesiser; interrupt cuts off speech in progress.
void Speak(const String& text, bool interrupt);
void SetSpeakHandlerForTesting(std::function<void(const String&, bool)> handler);

// A sound file. Whether a file "is a sound" is decided by its content, not by whether
// a device can play it, so a machine without sound still accepts the user's choice.
class Sound {
 public:
  virtual ~Sound() = default;
  virtual void Play() = 0;
  virtual void PlayLooping() = 0;
  virtual void Stop() = 0;
  virtual bool IsPlaying() const = 0;
  virtual String Path() const = 0;
};
// None when the file does not exist or is not a sound; only a regular file is opened
// (a FIFO or a device could block for good).
std::shared_ptr<Sound> OpenAsSound(const String& path);
// Tests see every Play/PlayLooping/Stop as an event: "play <path>", "loop <path>", "stop <path>".
void SetSoundEventHandlerForTesting(std::function<void(const String&)> handler);

// Opens http, https and mailto addresses in the desktop's default program, the scheme
// alone ("http://", "mailto:") included; anything else is refused (false). The address
// goes as one URL, never through a shell.
bool ShowURL(const String& url);
void SetShowURLHandlerForTesting(std::function<void(const String&)> handler);

}  // namespace fw
