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
constexpr const char kPageFilePattern[] = "*.emf";
constexpr const char kOptionFileName[] = "option";
constexpr const char kOptionFileExtension[] = ".ini";

// The registry key under which the application profile lives.
constexpr const char kProfileRegistryKey[] = "Local AppWizard-Generated Applications";
