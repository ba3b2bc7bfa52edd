#pragma once

class QTextStream;
struct ParsedArguments;

// Where a command writes: its results on out, progress and warnings on err.
struct Console {
    QTextStream &out;
    QTextStream &err;
};

// The commands of vellumo-album. Each takes the whole parsed command line, whose options and
// argument count the command table has already checked, and fails through ToolFailure after
// checking every argument it can before it touches anything.
void ListPhotos(const ParsedArguments &arguments, Console &console);
void AddPhotos(const ParsedArguments &arguments, Console &console);
void RenderPicture(const ParsedArguments &arguments, Console &console);
void RemovePhoto(const ParsedArguments &arguments, Console &console);
void RenamePhoto(const ParsedArguments &arguments, Console &console);
void MovePhoto(const ParsedArguments &arguments, Console &console);
