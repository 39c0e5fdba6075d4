#ifndef QUILLET_SKIN_FORM_STRINGS_H
#define QUILLET_SKIN_FORM_STRINGS_H
// The skinned form's texts in the program's string table: the system
// menu's captions. A program without them gets the same English texts from
// the form itself. Plain defines: the resource compiler reads this file too.
#define SKS_MI_MINCAPTION 4001
#define SKS_MI_MAXCAPTION 4002
#define SKS_MI_RESTORECAPTION 4003
#define SKS_MI_ROLLUPCAPTION 4004
#define SKS_MI_MINTOTRAYCAPTION 4005
#define SKS_MI_CLOSECAPTION 4006
#endif
