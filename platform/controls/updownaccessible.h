#pragma once

// How assistive tools see an up-down control: one spin button whose value is
// the position, raised and lowered by its actions, instead of two unnamed
// arrow buttons.

class UpDownWidget;

// Installs the spin-button interface for up-down widgets (once per process)
// and drops any plain interface Qt made for `upDown` before it was installed.
void InstallUpDownAccessibility(UpDownWidget* upDown);
