#pragma once

// The INI file a first run leaves beside the program, byte for byte as the
// platform's profile functions write it: the black-box and the unit tests of
// the capture settings both expect it.
constexpr const char* kDefaultIniFile =
    "[main]\r\n"
    "alwaysontop=0\r\n"
    "nsresolve=0\r\n"
    "portresolve=0\r\n"
    "idleseconds=10\r\n"
    "[filters]\r\n"
    "filtertcp=0\r\n"
    "filterudp=0\r\n"
    "filtericmp=0\r\n"
    "[mainwindow]\r\n"
    "status=-1\r\n"
    "top=-1\r\n"
    "bottom=-1\r\n"
    "left=-1\r\n"
    "right=-1\r\n"
    "[list]\r\n"
    "srcaddr=120\r\n"
    "destaddr=120\r\n"
    "srcport=80\r\n"
    "destport=80\r\n"
    "proto=50\r\n"
    "traffic=100\r\n"
    "bs=80\r\n"
    "abs=80\r\n"
    "[log]\r\n"
    "uselogfile=0\r\n"
    "autodelete=0\r\n"
    "mbdelete=1\r\n"
    "logtype=0\r\n"
    "logfile=\r\n";
