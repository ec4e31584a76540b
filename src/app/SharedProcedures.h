#pragma once

struct AppContext;

// Small procedures several windows call.
namespace SharedProcedures {

// Plays one of the program's built-in sounds and returns when it has finished; a missing
// sound or a sound failure is ignored.
void ProcSonRessource(AppContext &context, int number);
// Starts the clipboard viewer; tells the user how to install it when it is missing.
void ProcPressePapiers(AppContext &context);
// Help: the whole file, or one topic by its context number.
void showHelpFile(AppContext &context);
void showHelpTopic(AppContext &context, int topic);

} // namespace SharedProcedures
