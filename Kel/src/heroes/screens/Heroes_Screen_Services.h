// The screens' side of the heroes and items rules: what the human is shown and asked.
#pragma once

// Installs the boxes once at start-up. A run without a window keeps the unattended answers.
void Heroes_Install_Screen_Services(void);
