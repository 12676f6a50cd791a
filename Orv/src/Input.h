// The input loop: one poll of the platform per call, one keyboard or mouse action interpreted
// against the field list, the field number returned (negative for a right click, -1 cancel).
// Also the pointer moves of the direction keys, in-place string editing, the wait for any key
// or click, and the page flip with the fields and the pointer drawn.
#pragma once

#include <cstdint>

extern int16_t input_delay;
// 0: a wait for input lasts until the player answers. An unattended headless run sets how many
// frames a wait lasts before it ends as if answered, so that nothing holds such a run for ever.
extern int16_t wait_for_input_unattended_frames;
// The game may ask for more: while the query gives a frame count above 0 (a headless run whose
// script waits through the world turn), boxes end after that many frames too.
void Input_Set_Unattended_Query(int16_t (*frames_when_unattended)(void));
// Counts one idle frame of a box or wait in *frames; true once it should end as if answered with
// its default. Always false while a player or a script answers.
bool Input_Unattended_Frame_Done(int16_t *frames);
extern int16_t pointer_offset;
extern int16_t mouse_cancel_disabled;
extern int16_t KD_prev_field_idx;
extern int16_t multi_hotkey_active_field;

int16_t Get_Input(void);
int16_t Scan_Field(void);
int16_t Scan_Input(void);
int16_t Wait_For_Input(void);
void Reset_Wait_For_Input(void);
void Set_Input_Delay(int16_t n);
void Toggle_Pages(void);
void Toggle_Pages_No_Draw_Fields(void);
void Init_Mouse_Keyboard(int16_t input_type);
void Enable_Cancel(void);
void Center_Emulated_Pointer_On_Field(int16_t field);

int16_t Keyboard_Status(void);
// The character byte of the next key when it is not 0, else its engine code; Alt with a
// letter code gives 160..185.
int16_t Read_Key(void);

// Hot-key search for one key read from the queue; *field receives the field found (0 none).
// *moved is set when the field came from a direction-key pointer move.
int16_t Interpret_Keyboard_Input(int16_t *field, int16_t *moved);
int16_t Process_Direction_Key(int16_t key);
int16_t Get_Next_Field_In_Direction(int16_t dx, int16_t dy);
int16_t Move_Dialog_Highlight(int16_t direction);

// 1 for the characters a string field or the input box accepts.
int16_t Input_Character_Accepted(int16_t key);

// For tests: the input state back to its start values (fields kept).
void Input_Reset_State(void);
