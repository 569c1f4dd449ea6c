// How assistive technology sees the main window's own kinds of control, where Qt's stock interfaces
// say something else: the program under its spoken name, read-only fields that are not editable,
// drop-down lists named by their labels, the staff as a picture with a description, and the object
// that announcements come from.
#pragma once

class QObject;
class QString;
class QWidget;

namespace lintra::frontend {

// Installs the interfaces once; before any of these objects is first asked for one.
void InstallAccessibleWidgets();

// Marks a drop-down list, before it gets a parent, to be named by its accessible name (its label's)
// and not by its current item.
void NameByLabel(QWidget* combo);
// Marks a plain widget, before it gets a parent, as the staff: a picture with a description.
void MarkAsStaff(QWidget* widget);
// Marks a plain widget, before it gets a parent, as the source of announcements.
void MarkAsAnnouncements(QWidget* widget);

}  // namespace lintra::frontend
