#pragma once

// Button strips as assistive tools see them: the strip, named by its caption,
// holds one push button per strip button, named by its tooltip text, which
// the press action runs as a click does.

class QWidget;

// Installs the accessibility factory for strips (once), and has assistive
// tools see `strip`, a strip's widget, as a strip from now on.
void InstallStripAccessibility(QWidget* strip);
