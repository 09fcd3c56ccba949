/* Resource numbers of Corvessa.scr, shared by the resource scripts and the code. */
#pragma once

#define IDI_CORVESSA 1           /* the program's window icon */
#define IDR_PREVIEW_PICTURE 101  /* preview picture, 152 x 112 JPEG, RCDATA */
#define IDR_MARKER_OFF 111       /* settings dialog: the not-selected marker, 12 x 12 BMP, RCDATA */
#define IDR_MARKER_ON 112        /* settings dialog: the selected marker, 12 x 12 BMP, RCDATA */
