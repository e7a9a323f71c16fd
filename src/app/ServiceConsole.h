#pragma once

class CommandReply;
class SerialLink;
class QWidget;

// The hidden service console (Ctrl+Shift+S on the tab control): asks for a
// command line and sends it as typed; the reply is shown raw,
// "Response: ?1F1,4178-305".
// Returns its reply, or null when the user cancelled or typed nothing.
CommandReply *SendServiceCommand(QWidget *parent, SerialLink &link);

// Shows what became of the command: "Response: " and the reply, or that the
// Corvex is not connected and nothing was sent.
void ShowServiceResponse(QWidget *parent, const CommandReply &reply);
