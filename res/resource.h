#pragma once
// Resource ids shared by the resource script and the code.

#define IDM_ABOUTBOX              0x0010
#define IDD_ABOUTBOX              100
#define IDS_ABOUTBOX              101
#define IDD_CORVANE_DIALOG        102
#define IDR_MAINFRAME             128
#define IDR_TRAYMENU              129

#define IDC_RUN_CLIENT            3
#define IDC_ACCELERATE            1001
#define IDC_ACCELERATE_FIRST      1004
#define IDC_CHECK_PERIOD          1005
#define IDC_CHECK_PERIOD_UNIT     1006
#define IDC_QUIT                  1007
#define IDC_DURATION              1009
#define IDC_BYTES_RECEIVED        1011
#define IDC_BYTES_SENT            1012
#define IDC_STATUS                1015
#define IDC_TYPE                  1016
#define IDC_TYPE_CAPTION          1017
#define IDC_DURATION_ACC          1022
#define IDC_NETWORK_CAPTION       1024
#define IDC_NETWORK               1025

#define ID_ABOUT                  32776
#define ID_RUN_AT_STARTUP         32781
#define ID_AUTO_RESUME_DOWNLOADS  32785
#define ID_EXIT                   32786
#define ID_AUTO_RUN_CLIENT        32790
#define ID_LINK_SAFETY            32792
#define ID_LINK_HELP              32793
#define ID_LINK_FILE_SHARING      32794
#define ID_LINK_MUSIC             32795
#define ID_LINK_TORRENTS          32796
#define ID_LINK_MEDIA             32797

#ifndef IDC_STATIC
#define IDC_STATIC                (-1)
#endif
