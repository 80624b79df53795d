#include "TestSupport.h"
class T : public QObject { Q_OBJECT private slots: void none() {} };
TABEL_TEST_MAIN(T)
#include "test_register.moc"
