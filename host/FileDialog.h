#pragma once

// What the host's file dialog answers where the system has none: the caller
// (a test, a tool) says beforehand what the user does in the next dialogs,
// and the dialog lays that out in the caller's buffer exactly as the system
// dialog lays out its result.
#include "host/CommDlg.h"

#if !defined(_WIN32)
#include <string>
#include <vector>

// The path separator of the platform's file system.
constexpr char kHostPathSeparator = '/';

// The user picks names in directory (one or more).
HOST_API void PickInNextFileDialog(const std::string& directory,
                                   const std::vector<std::string>& names);
// The user cancels.
HOST_API void CancelNextFileDialog();
// The next dialog writes bytes into the caller's file buffer as they are,
// with nameOffset as its name offset: a result no system dialog would give,
// for trying how callers read damaged ones. Longer than the buffer, it
// fails as too small.
HOST_API void AnswerNextFileDialogWith(const std::string& bytes, WORD nameOffset);

// One dialog as it was asked for: the request as passed in (its pointers
// are not to be followed afterwards) with the texts it pointed at.
struct FileDialogRequest {
    OPENFILENAMEA request;
    std::vector<std::string> filter; // description, pattern, ... up to the empty string
    bool hasTitle;
    std::string title;
    char firstFileChar; // what the file buffer started with
};
HOST_API std::vector<FileDialogRequest> FileDialogRequests();
// Forgets the requests and the answers not given yet. A dialog asked for
// with no answer waiting fails with CDERR_DIALOGFAILURE.
HOST_API void ResetFileDialogs();

// The result of picking names in directory, as the dialog writes it: one
// name gives the full path, directory and name joined by separator unless
// the directory ends with it; several give the directory, then each name,
// each string with its terminator; an empty string ends the list.
struct FileDialogResult {
    std::string text; // every terminator included
    WORD fileOffset;  // of the first name in text
    WORD extensionOffset;
};
HOST_API FileDialogResult LayOutFileDialogResult(const std::string& directory,
                                                 const std::vector<std::string>& names,
                                                 char separator);
#endif
