#pragma once

class PictureBox;
class RemoteConnection;

/// Loads the stored picture of stock item `stokno` from the server (`ResimVer5`, over the
/// main connection, reporting check) into `hedef` as a JPEG picture. Nothing changes when
/// the item has no picture or fewer bytes arrive than announced; an error of the call or
/// of the decoding is shown as its type name, ": " and its text in a plain message box.
void StokResimAl(RemoteConnection& bagc, int stokno, PictureBox& hedef);
