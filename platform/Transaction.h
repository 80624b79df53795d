#pragma once

class Connection;

// One user action that writes several statements runs inside one guard:
// either commit() is reached and everything lands, or the destructor rolls
// it all back. Guards nest; only the outermost one begins and ends.
class Transaction {
public:
    explicit Transaction(Connection *connection);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();

private:
    Connection *connection_;
    bool outer_;
    bool done_ = false;
};
