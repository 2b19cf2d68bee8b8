#pragma once

// How assistive technology sees the help window's page (HelpBrowser): a document whose text
// is the guide's plain text, with the caret and selection of the page, so that a screen
// reader follows the selection from link to link as Tab moves it. Qt's own interface shows a
// read-only text browser as one label, with its frame markers (private-use characters) in
// the text. Installs for the whole process; more calls do nothing.
void installHelpPageAccessible();
