#pragma once

// The windowing library as a whole: its start and end, its clock, its events and the pace of the
// current context's swaps. Everything of it that is not one window.
namespace windowing {

// Shows every error the library reports from now on as a message captioned "Error", with the
// library's own description.
void showLibraryErrors();

// Starts the library. False when it cannot start; every later call into it then reports the
// library's not-initialised error and does nothing.
bool startLibrary();

// Ends the library: destroys the windows it made and hands adopted ones back to their owners.
void stopLibrary();

// Whether the library has been started and not stopped since.
bool libraryStarted();

// Seconds since the library started.
double libraryTime();

// Takes in the events of every window; the windows' input and size callbacks run in here.
void pollEvents();

// As pollEvents, waiting up to seconds for the first event.
void waitEvents(double seconds);

// How many display refreshes each swap of the current context waits for, cut to its low 8 bits.
void setSwapInterval(int interval);

} // namespace windowing
