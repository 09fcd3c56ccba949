/* Resource numbers of Corvessa.scr, shared by the resource scripts and the code. */
#pragma once

#define IDI_CORVESSA 1           /* the program's window icon */
#define IDS_SAVER_NAME 1         /* string: the saver's name in the system's settings */
#define IDR_PREVIEW_PICTURE 101  /* preview picture, 152 x 112 JPEG, RCDATA */
