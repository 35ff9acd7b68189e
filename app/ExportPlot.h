#pragma once

// tarvelin --export-png OUT.png FILE.wav: the picture the window shows for FILE, drawn by the
// same view through the same device context on a white 720 x 360 image, without a display.
// Returns the exit status: 0 when written, 1 when the file cannot be shown or the image not
// written, 2 on a usage error.
int ExportPlot(int argc, char** argv);
