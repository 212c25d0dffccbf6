#pragma once
// The address book is read in a child process, this executable started again with an
// internal first argument (child_process.h): the program can end a reader that hangs,
// and a reader that crashes or leaves threads behind takes nothing of the program with
// it. The child builds no window and starts no toolkit; it loads the address book's
// library, does one task and writes its answer (address_book_wire.h) on the standard
// output it was started with, which it keeps to the answer: what the libraries print
// there goes to its standard error.
namespace fw::internal {

inline constexpr char kAddressBookChildArgument[] = "--velqora-address-book-child";
// The tasks, the second argument: the book read; and the tests' writers, which read
// the people to add on their standard input.
inline constexpr char kReadBookTask[] = "read";
inline constexpr char kAddPeopleTask[] = "add";
inline constexpr char kEmptyBookTask[] = "empty";
// Tests: a third argument to the reading, which then misbehaves.
inline constexpr char kHangMidwayFault[] = "hang-midway";
inline constexpr char kDieMidwayFault[] = "die-midway";
inline constexpr char kNoLibraryFault[] = "no-library";

// When the arguments name the child, does its task and ends the process there; returns
// at once otherwise. The program's first call (InitFramework makes it).
void RunAddressBookChildIfAsked(int argc, char** argv);

}  // namespace fw::internal
