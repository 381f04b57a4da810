// The remote client asks its questions through RemoteConversation: no dialog is in its sight.
#include "remote/HttpSession.h"
#include <QDialog>
