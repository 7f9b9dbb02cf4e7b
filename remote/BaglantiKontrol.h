#pragma once

class RemoteConnection;

/// The connection check before a call: closes the connection, then tries to open it up to
/// eleven times, 500 ms apart. Every failed attempt shows its error text in a plain message
/// box (on the GUI thread; a worker waits for it). Returns true with the connection open,
/// or false with it closed; the reporting form (`report` true) then also shows
/// "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!".
bool BaglantiKontrol(RemoteConnection& connection, bool report);
