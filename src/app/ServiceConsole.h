#pragma once

class CommandChannel;
class QWidget;

// The hidden service console (Ctrl+Shift+S on the tab control): sends one raw
// command as typed and shows the raw reply, "Response: ?1F1,4178-305".
void RunServiceConsole(QWidget *parent, CommandChannel &channel);
