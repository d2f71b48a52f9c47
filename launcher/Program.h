#pragma once

class frmConfigure;

// What the program does once its QApplication exists: it shows the Control Center, which owns
// itself and is gone once closed. The program ends when its last window has closed.
frmConfigure* StartProgram();
