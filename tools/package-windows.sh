#!/usr/bin/env bash
# Packs the Windows download, vantaedit-<version>-win64.zip: one folder with vantaedit.exe and
# vantaedit-cli.exe (static, stripped of their debugging information), 说明.txt, a short guide in
# Chinese, and README.txt, the same guide in English (both UTF-8 with a byte order mark and CR LF,
# as Notepad reads them everywhere). The ZIP marks its names as UTF-8, so that Windows shows
# 说明.txt by its name.
#
#   tools/package-windows.sh [BUILD_DIR]   (default build-windows; configured and built as needed)
#
# Prints the ZIP's path and its files' sizes.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/deps.sh
build=$(realpath -m "${1:-build-windows}")
if [ ! -f "$build/CMakeCache.txt" ]; then
    vantaedit_install "${VANTAEDIT_WINDOWS_PACKAGES[@]}"
    vantaedit_windows_configure "$build"
fi
cmake --build "$build" -j2 --target vantaedit vantaedit-cli

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=vantaedit-$version-win64
stage=$build/package/$name
rm -rf "$build/package"
mkdir -p "$stage"
x86_64-w64-mingw32-strip -o "$stage/vantaedit.exe" "$build/app/vantaedit.exe"
x86_64-w64-mingw32-strip -o "$stage/vantaedit-cli.exe" "$build/cli/vantaedit-cli.exe"
{
    printf '\xef\xbb\xbf'
    sed -e "s/@VERSION@/$version/" -e 's/$/\r/' <<'EOF'
VantaEdit @VERSION@（Windows 64 位）

VantaEdit 是游戏 AI 规则文件（ai.ini 及其包含的文件）的编辑器。

运行
  把本文件夹解压到任意位置，双击 vantaedit.exe 即可，无需安装，也不需要其他运行库。
  需要 64 位的 Windows 10 或更新版本。
  打开文件：菜单“文件 → 打开”，把文件拖到主窗口上，或在命令行运行 vantaedit.exe 文件路径。
  程序没有数字签名，Windows 可能提示“Windows 已保护你的电脑”：点“更多信息”，再点“仍要运行”。

文件
  vantaedit.exe      编辑器
  vantaedit-cli.exe  命令行工具：检查、保存、分文件保存、改名，与编辑器读写完全相同；
                     用法见 vantaedit-cli.exe --help
  说明.txt           本说明
  README.txt         英文说明

语言
  程序的语言随系统：Windows 的显示语言为中文时用中文，否则用英文。
  菜单“帮助 → 语言 / Language”可随时切换，并记住所选的语言。
  vantaedit-cli.exe 同样随系统，也可用 --lang zh 或 --lang en 指定。

编码
  AI 文件按系统的 ANSI 代码页读写（简体中文系统为 GBK），与游戏读取的方式相同。

设置与恢复文件
  最近打开的文件等设置保存在 %APPDATA%\VantaEdit 中，删除该文件夹即恢复默认。
  有未保存的修改时，程序在 %LOCALAPPDATA%\VantaEdit\recovery 中保留恢复文件；
  程序意外退出后再次启动或打开该文件时，可以选择“恢复”。
EOF
} >"$stage/说明.txt"
{
    printf '\xef\xbb\xbf'
    sed -e "s/@VERSION@/$version/" -e 's/$/\r/' <<'EOF'
VantaEdit @VERSION@ (Windows, 64-bit)

VantaEdit is an editor for the game's AI rules file (ai.ini and the files it includes).

Running
  Unpack this folder anywhere and double-click vantaedit.exe: nothing to install, no other
  runtime needed. It needs 64-bit Windows 10 or newer.
  To open a file: the menu File > Open, drop the file on the main window, or run
  vantaedit.exe PATH on the command line.
  The program is not digitally signed, so Windows may say "Windows protected your PC": click
  "More info", then "Run anyway".

Files
  vantaedit.exe      the editor
  vantaedit-cli.exe  the command-line tool: check, save, save split, rename, reading and
                     writing exactly as the editor does; see vantaedit-cli.exe --help
  README.txt         this guide
  说明.txt           this guide in Chinese

Language
  The program speaks the system's language: Chinese when the Windows display language is
  Chinese, English otherwise. Help > 语言 / Language switches it at any time and remembers the
  choice. vantaedit-cli.exe follows the system too, or takes --lang zh or --lang en.

Encoding
  AI files are read and written in the system's ANSI code page (GBK on a Simplified Chinese
  system), as the game reads them.

Settings and recovery files
  Settings such as the recent files are kept in %APPDATA%\VantaEdit; deleting that folder
  restores the defaults. While there are unsaved changes, the program keeps a recovery file in
  %LOCALAPPDATA%\VantaEdit\recovery; after an unexpected exit, start the program or open the
  file again and choose Restore.
EOF
} >"$stage/README.txt"
zip=$build/$name.zip
rm -f "$zip"
python3 - "$build/package" "$name" "$zip" <<'EOF'
import os, sys, zipfile
base, name, out = sys.argv[1:]
with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
    for file in sorted(os.listdir(os.path.join(base, name))):
        archive.write(os.path.join(base, name, file), f"{name}/{file}")
EOF
echo "$zip"
(cd "$stage" && stat -c '  %s bytes  %n' -- *)
