#pragma once

class frmConfigure;

// Call once the QApplication exists. The Control Center deletes itself when closed; the pointer is
// for callers that drive it, as tests do. Nothing here quits: Qt does, as the last window closes.
// When the program cannot use its folder, the user is told why and no window opens: nullptr.
frmConfigure* StartProgram();
