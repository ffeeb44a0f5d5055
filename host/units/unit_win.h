// A live unit of a loaded form: its stored properties and, for most types, a
// window. Reading prefers what the window shows (position, size, visibility);
// writing stores the value and applies it to the window at once.
#pragma once

#include <windows.h>

#include "host/forms/forms.h"
#include "host/forms/property_store.h"
#include "host/services/handles_win.h"

namespace host {

class Unit {
 public:
  explicit Unit(const UnitDefinition& definition) : definition_(definition), properties_(definition) {}
  virtual ~Unit() = default;
  Unit(const Unit&) = delete;
  Unit& operator=(const Unit&) = delete;

  UnitId id() const { return definition_.id; }
  UnitTypeId type() const { return definition_.type(); }
  const UnitDefinition& definition() const { return definition_; }
  const PropertyStore& properties() const { return properties_; }

  // None for a timer or a common dialog.
  virtual HWND window() const { return nullptr; }

  // The index (and, for a font, the sub-field) has been checked by the caller.
  virtual Value read(int index, int array_index) const;
  virtual void write(int index, int array_index, Value value);

  // Colours for a control's WM_CTLCOLOR* message: the background brush, or
  // null when the unit paints with the system's colours.
  virtual HBRUSH colour_control(HDC) const { return nullptr; }

  // Removes the unit's window or timer (the unit leaves its form).
  virtual void destroy() {}
  // The parent window is being destroyed and takes the unit's window with it.
  virtual void forget_window() {}

 protected:
  const UnitDefinition& definition_;
  PropertyStore properties_;
};

// A unit that is a child window of its form.
class ControlUnit : public Unit {
 public:
  using Unit::Unit;

  HWND window() const override { return window_.get(); }
  bool created() const { return static_cast<bool>(window_); }
  void destroy() override { window_.reset(); }
  void forget_window() override { window_.release(); }

 protected:
  OwnedWindow window_;
};

}  // namespace host
