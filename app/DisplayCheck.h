#pragma once

// Qt aborts with a page of text when the windowing system cannot be reached. Installed
// before the application object is made, this turns that into one clear line on standard
// error and a non-zero exit status.
void exitCleanlyWithoutDisplay(const char* programName);

// Lets Qt's messages through again once the application object stands.
void restoreQtMessages();
