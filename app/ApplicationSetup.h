#pragma once

// What every process that runs the program sets on its application object once it stands:
// the names the desktop knows it by, the style and the window icon. The program, the
// scenario driver and the soak all run the program the same way.
void setUpApplication();
