#pragma once

// How long the main window's status bar shows a message, in milliseconds.
inline constexpr int StatusMessageTimeout = 10000;
