/* Resource identifiers shared by the resource scripts and the code.
   Plain #defines only: windres reads this file too. */
#ifndef SOMNIVEX_RESOURCE_IDS_H
#define SOMNIVEX_RESOURCE_IDS_H

/* Dialog templates */
#define IDD_MAIN              715   /* main window */
#define IDD_POPUP             101   /* about box and reality-check popup */
#define IDD_MORNING           716   /* the morning question */
#define IDD_PRACTICE          717   /* "My Practice": the last four weeks */
#define IDD_JOURNAL           718   /* the dream journal */

/* Plain bitmaps */
#define IDB_MAIN_BACKGROUND   520   /* 428 x 372, 32 bpp */
#define IDB_ABOUT_BACKGROUND  960   /* 290 x 322, 24 bpp */

/* Icon group (both programs) */
#define IDI_SOMNIVEX          102

/* Main window controls */
#define IDC_TIPS              1000
#define IDC_TEST_REALITY      1001
#define IDC_HIDE              1002
#define IDC_TWITTER           1003
#define IDC_SET               1004
#define IDC_SWITCH            1005
#define IDC_WEB               1006
#define IDC_INTERVAL          1007
#define IDC_ABOUT             1012
#define IDC_GOOGLEPLUS        1013
#define IDC_FACEBOOK          1014
#define IDC_TEST_HOLLOW       1015

/* About box controls (template 101) */
#define IDC_ABOUT_CLOSE       1000
#define IDC_ABOUT_HELP        1001
#define IDC_ABOUT_VISIT       1015

/* Morning question (template 716): the places of its picture buttons.
   Hidden placeholders: the popup is one layered picture, and these only
   say where its buttons are drawn. */
#define IDC_MORNING_LUCID     1101
#define IDC_MORNING_DREAM     1102
#define IDC_MORNING_NONE      1103
#define IDC_MORNING_CLOSE     1104
#define IDC_MORNING_WRITE     1105  /* "Write it down", drawn after a dream was answered */

/* "My Practice" window (template 717): its x, and hidden placeholders for
   what is drawn at run time */
#define IDC_PRACTICE_CLOSE    1111
#define IDC_PRACTICE_CHART    1112  /* the 28 columns */
#define IDC_PRACTICE_STREAK   1113
#define IDC_PRACTICE_LINK     1114  /* the line about checks and lucid nights */

/* The dream journal (template 718): standard Unicode controls in a skinned
   frame, placed at run time for the window's size and scale */
#define IDC_JOURNAL_CLOSE     1120
#define IDC_JOURNAL_SEARCH    1121
#define IDC_JOURNAL_LIST      1122  /* the mornings, newest first */
#define IDC_JOURNAL_SIGNS_TITLE 1123
#define IDC_JOURNAL_TOP_SIGNS 1124  /* the ten most frequent dream signs */
#define IDC_JOURNAL_DREAMS    1125  /* the dreams of the selected morning */
#define IDC_JOURNAL_KIND      1126
#define IDC_JOURNAL_NEW       1127
#define IDC_JOURNAL_DELETE    1128
#define IDC_JOURNAL_SIGNS_LABEL 1129
#define IDC_JOURNAL_SIGNS     1130
#define IDC_JOURNAL_TEXT      1131  /* the editor (RichEdit) */
#define IDC_JOURNAL_STATUS    1132

/* PNG pictures of somnivex (RCDATA) */
#define IDP_TEST              529
#define IDP_TEST_HOVER        532
#define IDP_SET               531
#define IDP_SET_HOVER         530
#define IDP_SWITCH_ON         539
#define IDP_SWITCH_OFF        540
#define IDP_TIPS_PANEL        645
#define IDP_HIDE              552
#define IDP_HIDE_HOVER        549
#define IDP_ABOUT             550
#define IDP_ABOUT_HOVER       551
#define IDP_TWITTER           843
#define IDP_TWITTER_HOVER     844
#define IDP_GOOGLEPLUS        841
#define IDP_GOOGLEPLUS_HOVER  842
#define IDP_FACEBOOK          845
#define IDP_FACEBOOK_HOVER    846
#define IDP_WEB               866
#define IDP_WEB_HOVER         865
#define IDP_REALITY_CHECK     801
/* The other kinds of reality check, each 337 x 222 like 801 */
#define IDP_CHECK_NOSE        802   /* pinch your nose */
#define IDP_CHECK_PALM        803   /* finger through the palm */
#define IDP_CHECK_CLOCK       804   /* look at a clock twice */
#define IDP_CHECK_TEXT        805   /* read the word and the time twice */
#define IDP_CHECK_SIGN        808   /* look around for a dream sign of the journal */
/* The morning question, 337 x 222 like 801: its buttons at rest, and the
   same picture with every button lit (a lit button is copied from it) */
#define IDP_MORNING           806
#define IDP_MORNING_HOVER     807
/* "My Practice" */
#define IDP_PRACTICE_BACKGROUND 810 /* 460 x 320 */
#define IDP_PRACTICE_CLOSE    811
#define IDP_PRACTICE_CLOSE_HOVER 812
#define IDP_MOON_LUCID        813   /* above a day followed by a lucid night */
#define IDP_MOON_DREAM        814   /* dimmer: a dream */
#define IDP_VISIT             954
#define IDP_VISIT_HOVER       955
#define IDP_HELP              354
#define IDP_HELP_HOVER        353
#define IDP_CLOSE             956
#define IDP_CLOSE_HOVER       953

/* The languages: compiled catalogues (tools/compile-po), in LINGUAS order. */
#define IDS_LANGUAGE_BASE     7000
#define IDS_LANGUAGE_PSEUDO   7099  /* the tests' pseudo-language */

/* Artwork sets for the larger display scales. Every PNG picture of both
   programs, and the two plain bitmaps, exists again in each set as a PNG
   resource (RCDATA) numbered set base + its 100 % number: 12500 + 529 =
   13029 is TEST at 125 %, 15000 + 520 = 15520 the main window's
   background at 150 %. */
#define IDS_SET_BASE_125      12500
#define IDS_SET_BASE_150      15000
#define IDS_SET_BASE_200      20000

/* Tray icon and menu */
#define TRAY_ICON_ID          383
#define WM_TRAY_CALLBACK      1025  /* WM_USER + 1 */
#define IDM_QUIT              381
#define IDM_MAKER             384
#define IDM_SHOW              385
#define IDM_STARTUP           386

/* Tray submenus: "Pause Reminders" and "Options" */
#define IDM_PAUSE_30          401
#define IDM_PAUSE_60          402
#define IDM_PAUSE_180         403
#define IDM_PAUSE_TOMORROW    404
#define IDM_RESUME            405
#define IDM_WAIT_FULLSCREEN   411
#define IDM_QUIET_HOURS       412
#define IDM_RANDOM_TIMES      413
#define IDM_VARY_CHECKS       414
#define IDM_MORNING_QUESTION  415
#define IDM_MY_PRACTICE       421
#define IDM_DREAM_JOURNAL     422
/* Options > Language: "Windows Default", then the languages the program
   carries in their order (English first), at most 16 */
#define IDM_LANGUAGE_DEFAULT  430
#define IDM_LANGUAGE_FIRST    431
#define IDM_LANGUAGE_LAST     446

/* Tray items of the popups that never take the keyboard, at the top of the
   menu only while one shows */
#define IDM_CHECK_DONE        451   /* "I Did The Check": as a double-click on the reality check */
#define IDM_CHECK_NOT_NOW     452   /* "Not Now": as a right click on it */
#define IDM_MORNING_ANSWER_LUCID 453  /* the morning question's three answers */
#define IDM_MORNING_ANSWER_DREAM 454
#define IDM_MORNING_ANSWER_NONE  455
#define IDM_MORNING_WRITE_DOWN   456  /* its "Write it down" */

#endif
