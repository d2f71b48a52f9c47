#pragma once

class frmConfigure;

// Call once the QApplication exists. The Control Center deletes itself when closed; the pointer is
// for callers that drive it, as tests do. Nothing here quits: Qt does, as the last window closes.
frmConfigure* StartProgram();
