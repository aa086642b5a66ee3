#pragma once

#include "services/problem.h"
#include "services/prompter.h"

#include <string>
#include <string_view>

namespace lumina {

struct Services;

// The program's string table; nullptr when there is no text of that id.
const char* MessageText(int id);

// Shows prefix + the text of id with the application name as caption; returns the button
// pressed, or 0 (and shows nothing) when the table has no such id.
int ShowMessageById(const Services& services, Owner owner, std::string_view prefix, int id,
                    MessageStyle style);
// The same before the services exist (start-up), with the caption given.
int ShowMessageById(Prompter& prompter, std::string_view caption, Owner owner,
                    std::string_view prefix, int id, MessageStyle style);

// Shows a problem's message in a box owned by owner, with the OK button and the problem's icon;
// a silent problem shows nothing. Returns the button pressed (0 when nothing was shown).
int ShowProblem(const Services& services, Owner owner, const Problem& problem);
// Each problem in turn.
void ShowProblems(const Services& services, Owner owner, const Problems& problems);

// Shows the folder of a just-saved file; message 30048 and false when the file manager could
// not be started.
bool ShowInExplorer(const Services& services, const std::string& fullPath);

// A problem as one line of text for the batch tool: the prefix and the message with their line
// breaks turned into ": ", then the detail.
std::string ProblemLine(const Problem& problem);

} // namespace lumina
