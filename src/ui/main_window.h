#pragma once

#include <QMainWindow>

#include "core/app_context.h"

namespace zelmora {

// The program's main window. Its creation performs the start-up of the
// whole program on the context it is given.
class MainWindow : public QMainWindow {
  Q_OBJECT

public:
  explicit MainWindow(AppContext& context, QWidget* parent = nullptr);

private:
  void StartUp();
  void PrepareWindow();

  AppContext& m_context;
};

}  // namespace zelmora
