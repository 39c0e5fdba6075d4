#ifndef QUILLET_SKIN_FORM_HINT_STRINGS_H
#define QUILLET_SKIN_FORM_HINT_STRINGS_H
// The caption buttons' default hints in the program's string table. A
// program without them gets the same English texts from the form itself.
// Plain defines: the resource compiler reads this file too.
#define SKS_CLOSEBUTTON_HINT 4101
#define SKS_MAXBUTTON_HINT 4102
#define SKS_MINBUTTON_HINT 4103
#define SKS_MENUBUTTON_HINT 4104
#define SKS_ROLLUPBUTTON_HINT 4105
#define SKS_TRAYBUTTON_HINT 4106
#define SKS_RESTORE_HINT 4107
#endif
