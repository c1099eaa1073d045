#pragma once

#include "core/classfolder/cleanup.h"
#include "core/classfolder/fileio.h"
#include "core/classfolder/studentnames.h"
#include "core/result.h"

#include <QString>

// What went wrong with the class folder, worded for the teacher in the program's language. The
// core says what happened (which failure, with which names and numbers); each kind has its
// sentence here.

// Why a file operation failed, without the file: "Permission denied", "in use by computer ...".
QString fileErrorReason(const quorvex::FileError& error);

// A stale lock that was taken over, as one sentence.
QString lockNoticeText(const quorvex::LockNotice& notice);

// A clean-up of day files that was refused: "Could not delete Ann's day 3: Permission denied".
QString dayFaultText(const quorvex::DayFault& fault);

// Two pupils of the roster whose history files overlap (see core/classfolder/studentnames.h).
QString dayFileOverlapText(const quorvex::DayFileOverlap& overlap);

// Two entries of the roster that differ only in letter case, and so are one pupil's files.
QString rosterTwinsText(const quorvex::Bytes& first, const quorvex::Bytes& second);
