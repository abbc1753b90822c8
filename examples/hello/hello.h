/* hello: a small window that greets the user; the identifiers its resource script shares. */
#ifndef HELLO_H
#define HELLO_H

#define IDM_HELLO        100
#define IDM_ABOUT        101
#define IDM_EXIT         102
#define IDD_ABOUT        200
#define IDS_TITLE        1000
#define IDS_GREETING     1001

#define HELLO_TEXT_MAX   128

#endif
