// Outlook items saved as files (.msg): a compound file whose root storage
// holds the message's properties, one storage per recipient and one per
// attachment. The text is the sender, the recipients, the subject and the
// body; attachments stored by value are members named by their file names,
// attached messages and OLE objects members of their own (written out as
// compound files, so that they are read like any .msg or document).
#pragma once

#include "wordproc/MemberSink.h"
#include "wordproc/ReadOptions.h"
#include "wordproc/container/CompoundFile.h"

#include <string>

namespace harvelux::wordproc {

bool isOutlookMessage(const CompoundFile& file);

// The name an attached message is read under: its own, with ".msg" added
// unless it ends so already (letter case aside).
std::string attachedMessageName(const std::string& name);

// Throws EngineError when a property the text needs cannot be read.
std::string readOutlookMessageText(const CompoundFile& file, const ReadOptions& options = {});

// Hands each attachment to `sink`, in the message's order, until the sink
// says its caps are reached; an attachment that cannot be taken out is
// reported to the sink as unreadable and the others are still handed on.
void listOutlookMessageMembers(const CompoundFile& file, MemberSink& sink);

}  // namespace harvelux::wordproc
