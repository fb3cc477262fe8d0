/* Numbers shared by the language libraries and the engine: the texts of the string table,
   the control identifiers of the dialog templates and the class of the percentage bar.
   Read by the resource compiler as well as by C++, so it holds nothing but definitions.
   A comment names what a text's format takes, in order. */
#ifndef AW_LANGUAGES_RESOURCE_NUMBERS_H
#define AW_LANGUAGES_RESOURCE_NUMBERS_H

/* Texts looked up by number. */
#define AW_TXT_SKIPPING 2              /* progress, first line, while skipped work advances */
#define AW_TXT_SHARED_FILE_QUESTION 4  /* %s: the shared file */
#define AW_TXT_ENGINE_DIALOG_BUTTON 12 /* the engine-dialog button of a script's dialog */
#define AW_TXT_PROGRESS_CAPTION 0x24   /* %d: percentage */
#define AW_TXT_ICON_WINDOW_TITLE 0x29
#define AW_TXT_BANNER_SECOND 0x2B
#define AW_TXT_BANNER_THIRD 0x2C
#define AW_TXT_EXPANDING 0x2E /* %s: the request's progress text */
#define AW_TXT_COPYING 0x2F   /* %s: the request's progress text */
#define AW_TXT_FROM 0x30      /* %s: source path */
#define AW_TXT_TO 0x31        /* %s: destination path */
#define AW_TXT_BANNER_FIRST 0x39
#define AW_TXT_COMPLETED 0x3D       /* %s: product name */
#define AW_TXT_RESTART_WINDOWS 0x3E /* %s: product name */
#define AW_TXT_RESTART_BUTTON 0x3F
#define AW_TXT_STAY_BUTTON 0x40
#define AW_TXT_RESTART_DOS 0x41 /* %s: product name */
#define AW_TXT_COMPLETED_TITLE 0x42
#define AW_TXT_QUESTION_FIRST 0x43  /* button answering 1 */
#define AW_TXT_QUESTION_SECOND 0x44 /* button answering 0 */
#define AW_TXT_QUESTION_THIRD 0x45  /* button that asks whether to abort */
#define AW_TXT_QUESTION_TITLE 0x46
#define AW_TXT_ABORT_QUERY 0x47
#define AW_TXT_ABORT_QUERY_TITLE 0x48
#define AW_TXT_SEARCHING 0x49   /* followed by the pattern */
#define AW_TXT_INSERT_DISK 0x4A /* %s: the disk's label */
#define AW_TXT_INSERT_DISK_TITLE 0x4B
#define AW_TXT_ABORTING 0x55
#define AW_TXT_ABORTING_TITLE 0x56
#define AW_TXT_NO_SPACE 0x5B     /* %lu: KiB needed */
#define AW_TXT_NO_DIRECTORY 0x7F /* %s: directory */
#define AW_TXT_IN_USE 0x83       /* %s: destination */
#define AW_TXT_IN_USE_CLOSE 0x84
#define AW_TXT_IN_USE_AT_RESTART 0x85
#define AW_TXT_IN_USE_SKIP 0x86
#define AW_TXT_COPY_FAILED 0x87         /* %s: destination */
#define AW_TXT_DIRECTORY_NOT_EMPTY 0x8F /* %s: directory */
#define AW_TXT_DIRECTORY_NOT_EMPTY_TITLE 0x90
#define AW_TXT_SECTION_NOT_EMPTY 0x91 /* %s: section */
#define AW_TXT_SECTION_NOT_EMPTY_TITLE 0x92
#define AW_TXT_GROUP_NOT_EMPTY 0x93 /* %s: group */
#define AW_TXT_GROUP_NOT_EMPTY_TITLE 0x94
#define AW_TXT_KEY_HAS_SUBKEYS 0x95 /* %s: key */
#define AW_TXT_KEY_HAS_SUBKEYS_TITLE 0x96
#define AW_TXT_UNDO_STOPPED 0x98
#define AW_TXT_UNDO_COMPLETED 0x99
#define AW_TXT_UNDO_CONFIRM 0x9A /* %s: product name */
#define AW_TXT_UNDO_CONFIRM_TITLE 0x9B
#define AW_TXT_RECORD_STATE 0x9C /* + record state 0..4 */
#define AW_TXT_UNINSTALL_SHORTCUT 0xC8
#define AW_TXT_BANNER_UNINSTALLER 0xC9
#define AW_TXT_UNDO_START 0xD0  /* the uninstaller's start button while idle */
#define AW_TXT_UNDO_STOP 0xD1   /* the same button while a pass runs */
#define AW_TXT_RECORD_KIND 0xE0 /* + operation-log record kind 0..22 */

/* The percentage bar, a control of the gauge and progress templates. */
#define AW_PERCENT_BAR_CLASS "awpercentbar"

/* Control identifiers. Templates use the system's IDOK, IDCANCEL, IDYES and IDNO for
   their closing buttons and -1 for controls that nobody addresses. */
#define AW_ID_GAUGE_FIRST_BAR 101
#define AW_ID_GAUGE_SECOND_BAR 102

#define AW_ID_AOW_OLD_NAME 110
#define AW_ID_AOW_OLD_DETAILS 111
#define AW_ID_AOW_NEW_NAME 112
#define AW_ID_AOW_NEW_DETAILS 113

#define AW_ID_UNDO_PRODUCT 120
#define AW_ID_UNDO_PROGRESS 121
#define AW_ID_UNDO_STATUS 122
#define AW_ID_UNDO_START 123
#define AW_ID_UNDO_SWITCH 124
#define AW_ID_UNDO_RECORDS 125
#define AW_ID_UNDO_DETAILS 126
#define AW_ID_UNDO_TOGGLE 127
#define AW_ID_QUIT_FINISH IDYES
#define AW_ID_QUIT_BACK_OUT IDNO

#define AW_ID_PROGRESS_FIRST_LINE 130
#define AW_ID_PROGRESS_SECOND_LINE 131
#define AW_ID_PROGRESS_THIRD_LINE 132
#define AW_ID_PROGRESS_BAR 133

#define AW_ID_MESSAGE_ICON 140
#define AW_ID_MESSAGE_TEXT 141
#define AW_ID_QUESTION_THIRD 142

#define AW_ID_PROMPT_TEXT 150
#define AW_ID_PROMPT_EDIT 151

#define AW_ID_USER_INFO_FIRST_EDIT 160 /* + 0..5, one per text variable */

#define AW_ID_WELCOME_TEXT 170
#define AW_ID_WELCOME_SETTINGS 171

#define AW_ID_SEARCH_TEXT 180

#define AW_ID_COMPONENTS_TREE 190
#define AW_ID_COMPONENTS_DESCRIPTION 191
#define AW_ID_COMPONENTS_NEEDED 192
#define AW_ID_COMPONENTS_FREE 193

#define AW_ID_BANNER_TEXT 200

#endif
