// The front end's opening: the intro animation and the credits that scroll over the main menu.
#pragma once

void Draw_Logos(void);
void Init_Credits(void);
// One frame of the credits, drawn into the current page.
void Draw_Credits(void);
