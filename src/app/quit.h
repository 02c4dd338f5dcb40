// Ending the program.
#pragma once

// Closes the main window, tells the siblings to quit, stores the
// preferences and ends the event loop with status 0.
void QuitApplication();
