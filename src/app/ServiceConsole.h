#pragma once
class QWidget;

namespace corvex {

class CommandReply;
class SerialLink;

// The hidden service console (Ctrl+Shift+S on the tab control): asks for a
// command line and sends it as typed; the reply is shown raw,
// "Response: ?1F1,4178-305".
// Returns its reply, or null when the user cancelled or typed nothing.
CommandReply *sendServiceCommand(QWidget *parent, SerialLink &link);

// Shows what became of the command: "Response: " and the reply, or that the
// Corvex is not connected and nothing was sent.
void showServiceResponse(QWidget *parent, const CommandReply &reply);

} // namespace corvex
