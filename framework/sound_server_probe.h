#pragma once
// Whether the sound server answers (framework-internal). A server that takes
// connections but never answers (stopped, or hung) holds the toolkit's audio for half a
// minute at each call it makes on the program's thread, the clock and the reminders
// with it. So the server is asked first on another thread, the events running meanwhile.

namespace fw::internal {

// False only when a server is there and does not answer in time; true where there is
// none (nothing waits for it) and where the library to ask it with is missing.
bool SoundServerAnswers();

// False only when a server was named or looked for and none takes connections, as
// after it was killed; a server stopped or hung still takes them, so this never waits
// for its answer.
bool SoundServerTakesConnections();

}  // namespace fw::internal
