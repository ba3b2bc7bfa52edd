#include "cli/Usage.h"

QString UsageText()
{
    return QStringLiteral(R"(Usage: vellumo-album COMMAND [OPTIONS] [ARGUMENTS]

Builds and inspects a Vellumo album (Photos.dat and its 160 by 160 pictures in the data
directory) with the same code as the album creator. Positions count from 1, in album order.
Options may come before or after the command, as "--option value" or "--option=value";
"--" ends them, for file names that start with a dash.

Commands:
  list [--data-dir DIR]
      One line per photo, fields separated by tabs: position, name, gray depth (4 or 16;
      any other stored value printed as stored), picture path, and "missing" when the
      picture file does not exist. An empty album prints nothing.

  add [--data-dir DIR] [--name NAME] [--gray 4|16] [--contrast N] [--view WxH]
      [--frame L,T,R,B | --crop X,Y,W,H] [--full-decode] IMAGE...
      Renders each image as the picture editor would, saves the picture as the first free
      p<number>.bmp of the data directory, appends the photo and saves the album after
      each image. The name defaults to the first 15 characters of the image's file name
      (without its extension) that Windows-1252 can hold. Stops with a message when the
      album holds 100 photos. With more than one image, a progress line per image goes
      to standard error.

  render [--gray 4|16] [--contrast N] [--view WxH] [--frame L,T,R,B | --crop X,Y,W,H]
      [--full-decode] IMAGE OUT.bmp
      Writes the 160 by 160, 4-bit BMP the editor would save for IMAGE to OUT.bmp.
      Nothing else is touched.

  remove [--data-dir DIR] POS
      Removes the photo at POS and saves the album; its picture file is then deleted when
      it is a p<number>.bmp of the data directory, and left alone otherwise.

  rename [--data-dir DIR] POS NAME
      Renames the photo at POS (at most 15 characters Windows-1252 can hold) and saves
      the album.

  move [--data-dir DIR] POS up|down
      Swaps the photo at POS with the one above or below it and saves the album.

Options:
  --data-dir DIR    The data directory. Default: the album creator's, that is the
                    "DataDir" setting or, when that names nothing, the folder
                    Quillmere/Vellumo in $XDG_DATA_HOME (~/.local/share), which is then
                    stored as the setting.
  --name NAME       The photo's name for every image added.
  --gray 4|16       Gray levels of the picture. Default: the editor's last choice.
  --contrast N      -1000 (flat gray) to 1000 (nearly black and white); 0 leaves the
                    picture as it is. Default: the editor's last setting.
  --view WxH        Size in pixels of the editor's crop control that --frame refers to
                    (default 236x236). The picture is shown there scaled to fit within a
                    5-pixel margin, and the frame starts as the largest centred square.
  --frame L,T,R,B   The crop frame in that control's pixels, right and bottom exclusive;
                    it must lie within the picture as shown there.
  --crop X,Y,W,H    The frame as a rectangle of source pixels instead; it must lie
                    within the picture.
  --full-decode     Always decode a JPEG at its full size. By default a large JPEG is
                    decoded as the editor opens it, at 1/2, 1/4 or 1/8 of its size, when
                    the frame still spans at least twice the picture's 160 pixels there:
                    quicker, and the editor's picture of that frame byte for byte; it
                    differs from the full decode only by rounding.
  -h, --help        Show this help.
  --version         Show the version.

Exit status:
  0  done
  1  the command could not be done: a bad value (a name or position the album cannot
     take, a frame outside the picture), an unreadable image, a full album, a missing
     or unwritable folder or file. What was not done is left as it was; add of several
     images still adds the ones it can read.
  2  wrong usage: unknown command or option, missing or extra arguments, a malformed
     value.
)");
}
