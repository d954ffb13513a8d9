#pragma once

#include <windows.h>

// The application title: caption of the viewer's own message boxes.
constexpr const char kAppTitle[] = "folium";

// Single-instance hand-over: the mutex that marks a running viewer, the caption by which
// a later start finds its main window, and the message that makes it reload the job.
constexpr const char kInstanceMutexName[] = "Quillor.Spoolmate";
constexpr const char kMainWindowCaption[] = "Print Preview - folium";
constexpr UINT WM_RELOADJOB = WM_USER + 100;

// The document's fixed title, which begins the main window's caption.
constexpr const char kDocumentTitle[] = "Print Preview";

// Where the viewer keeps its files: the work directory and the option file beside it.
constexpr const char kWorkDirectoryName[] = "work";
// Where the page files go when "work" beside the program cannot be written (a limited
// user under Program Files, a read-only share): this folder in the user's temporary folder.
constexpr const char kPerUserWorkDirectoryName[] = "folium work";
constexpr const char kPageFilePattern[] = "*.emf";
constexpr const char kOptionFileName[] = "option";
constexpr const char kOptionFileExtension[] = ".ini";

// Start-up refused: without its own path the viewer would take "\work" on the current
// drive for its work folder and sweep that folder's "*.emf" files.
constexpr const char kNoProgramPathText[] =
    "folium cannot read the path of its own program file, so it cannot find its work folder "
    "and \"option.ini\". Move folium to a folder with a shorter path and start it again.";
// Neither work folder can be written: the two folders, beside the program and per user.
constexpr const char kNoWorkDirectoryFormat[] =
    "folium cannot write its page files in \"%s\" nor in \"%s\", so the job cannot be "
    "shown. Allow writing in one of these folders, then start folium again.";

// The registry key under which the application profile lives.
constexpr const char kProfileRegistryKey[] = "Local AppWizard-Generated Applications";
