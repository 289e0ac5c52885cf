#pragma once

#include <string>
#include <vector>

#include <windows.h>

// Stands in for the user at the system's file dialog: while armed, a timer
// on this thread, which runs inside the dialog's own message loop, finds the
// dialog titled "Open file(s)", notes what it sees, and does the next step:
// types a text into the file name field and presses "Open", or cancels.
class FileDialogUser {
  public:
    struct Step {
        bool cancel;
        std::string fileName; // a folder to go into, or the names to pick
    };
    // What the stand-in saw while a dialog was up.
    struct Sighting {
        HWND owner;                   // the dialog's owner window
        HANDLE activationContext;     // active on the dialog's thread
        std::wstring contextManifest; // where that context's manifest came from
        std::string runtimeLibrary;   // the file the loader gives then for msvcr90.dll
    };

    explicit FileDialogUser(std::vector<Step> steps);
    ~FileDialogUser();
    FileDialogUser(const FileDialogUser&) = delete;
    FileDialogUser& operator=(const FileDialogUser&) = delete;

    const std::vector<Sighting>& sightings() const { return seen; }
    // Whether every step was taken.
    bool done() const { return next == steps.size(); }

  private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD);
    void act(HWND dialog);

    std::vector<Step> steps;
    std::size_t next = 0;
    std::vector<Sighting> seen;
    UINT_PTR timer = 0;
};

// Picks the file names (one, or several each in double quotes) in folder.
std::vector<FileDialogUser::Step> pickInFolder(const std::string& folder, const std::string& names);
