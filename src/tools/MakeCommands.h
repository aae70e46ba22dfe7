// The commands of gridwright-make. Each takes the arguments after its option (the word-file
// command takes them all) and returns the exit code; MakeMain.cpp lists them with their help.
#pragma once

#include "tools/MakeCli.h"

namespace gw::cli {

int RunMake(const Args& args);         // WORDFILE --group FILE.QL3 ...
int RunList(const Args& args);         // --list FILE.QL3
int RunShow(const Args& args);         // --show FILE.QL3 RECORD
int RunExportWords(const Args& args);  // --export-words FILE.QL3 RECORD FILE.TXT ...
int RunImport(const Args& args);       // --import SOURCE.QL3|SOURCE.QLX --group DEST.QL3 ...
int RunConvert(const Args& args);      // --convert DIR [--library DIR]
int RunLayouts(const Args& args);      // --layouts [--library DIR] [one action]
// --check-spelling WORDFILE [--language NAME] [--sep CHAR]: 1 when some word is unknown
int RunCheckSpelling(const Args& args);
// --synonyms WORD [--language american|british]: 1 when the word is not in the thesaurus
int RunSynonyms(const Args& args);

// --render FILE.QL3 RECORD|all --out FILE.pdf|.png|.svg ...
int RunRender(const Args& args);
// --render ... --interactive: solvable web pages, one or a group's with their index (PageArgs.h).
struct PageArgs;
int RunInteractiveRender(const PageArgs& page, const std::string& out, bool showAnswers);
// --book FILE.QL3 [all|LIST] --out FILE.pdf [--trim SIZE] [--keys back|after|none] ...
int RunBook(const Args& args);
// --print FILE.QL3 RECORD|all [--printer NAME] [--copies N] ...
int RunPrint(const Args& args);

}  // namespace gw::cli
