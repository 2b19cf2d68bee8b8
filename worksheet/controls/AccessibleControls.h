#pragma once

// How assistive technology (a screen reader) sees our own controls, which Qt alone would
// show as anonymous panes:
//   PictureButton   a button, with a press action that runs its press and release
//   EditorControl   an editable text that reads what the user sees (EditorAccessible.h)
//   PadControl      a graphic named by the point the cross-hair shows
//   DrawingStrip    a graphic
//   CaptionedLabel  static text named by its caption and its reading
//   HoverSurface    a pane whose children leave out picture buttons that are not shown (those
//                   only keep pictures for the others and are no controls of their own) and
//                   labels while they are empty (the hint box, the detail comment)
// Names and descriptions are the owner's to set (QWidget::setAccessibleName and friends).
//
// Installs the interfaces for the whole process; once is enough, more calls do nothing. Call
// it before assistive technology first asks for one of these controls.
void installAccessibleControls();
