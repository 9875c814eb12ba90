// The English texts by key. Every key is in strings_zh.cpp too, with the same {n} arguments.

#include "res/text.h"

namespace res {

namespace {

constexpr TextEntry kTexts[] = {
    // The system's errors as the program words them (platform/).
    {"error.noSuchFile", u"no such file or folder"},
    {"error.noPermission", u"permission denied"},
    {"error.diskFull", u"the disk is full"},
    {"error.readOnlyDisk", u"the file system is read-only"},
    {"error.fileTooBig", u"the file is too large"},
    {"error.isFolder", u"it is a folder"},
    {"error.inUse", u"the file is in use"},
    {"error.ioError", u"input/output error"},
    {"error.nameTooLong", u"the file name is too long"},
    {"error.tooManyLinks", u"too many levels of symbolic links"},
    {"error.noMemory", u"out of memory"},
    {"error.notRegular", u"not a regular file"},
    {"error.quota", u"disk quota exceeded"},
    {"error.code", u"error code {1}"},
    {"file.cannotCreate", u"Cannot create the file"},
    {"file.cannotWriteLinked", u"Cannot write the file the symbolic link points to"},
    {"file.cannotWrite", u"Cannot write the file"},
    {"file.writeFailed", u"Writing the file failed"},
    {"file.over2GB", u"the file is larger than 2 GB"},
    {"file.cannotOpenFolder", u"Cannot open the folder"},
    {"file.sameFile", u"Two files to write are the same file; nothing can be written"},
    {"file.pointsTo", u"points to {1}"},
    {"file.linkOutside",
     u"A symbolic link points outside the opened file's folder; nothing can be written"},
    {"file.replaceFailed", u"Replacing the file failed"},
    {"file.exists", u"a file of that name exists"},
    // The main window (dialog 102) and its menu (130).
    {"main.caption", u"VantaEdit"},
    {"main.encodingNote", u"Note: check that the ini file was opened in its ANSI encoding!"},
    {"main.autoDetectStart", u"Detect the first registry number"},
    {"about.caption", u"Dialog"},
    {"menu.file", u"File"},
    {"menu.open", u"Open"},
    {"menu.recent", u"Recent files"},
    {"menu.save", u"Save"},
    {"menu.checkFile", u"Check file..."},
    {"menu.rulesFile", u"Rules file..."},
    {"menu.exit", u"Exit"},
    {"menu.edit", u"Edit"},
    {"menu.undo", u"Undo"},
    {"menu.redo", u"Redo"},
    {"menu.window", u"Window"},
    {"menu.showAll", u"Show all windows"},
    {"menu.hideAll", u"Hide all windows"},
    {"menu.help", u"Help"},
    {"menu.about", u"About VantaEdit(&A)..."},
    {"menu.language", u"语言 / Language"},
    // What every list window shares.
    {"list.filterCue", u"ID or name"},
    {"list.filterName", u"Filter"},
    {"list.new", u"New"},
    {"list.save", u"Save"},
    {"list.delete", u"Delete"},
    {"list.copy", u"Copy"},
    {"list.rename", u"Rename"},
    {"list.close", u"Close"},
    {"list.usage", u"Used by"},
    {"list.name", u"Name"},
    {"list.autoJump", u"Auto jump"},
    // The team window (dialog 133).
    {"team.caption", u"Teams"},
    {"team.list", u"Team list"},
    {"team.hint", u"Hint"},
    {"team.priority", u"Priority"},
    {"team.max", u"Max"},
    {"team.taskForce", u"Task force"},
    {"team.script", u"Script"},
    {"team.bars", u"|\n|\n|\n|\n|\n|\n|\n|\n|\n|\n|\n|\n|\n|\n|\n|\n|"},
    {"team.full", u"Full"},
    {"team.annoyance", u"Annoyance"},
    {"team.guardSlower", u"Guard slower"},
    {"team.recruiter", u"Recruiter"},
    {"team.autocreate", u"Autocreate"},
    {"team.prebuild", u"Prebuild"},
    {"team.reinforce", u"Reinforce"},
    {"team.droppod", u"Drop pod"},
    {"team.useTransportOrigin", u"Transport origin"},
    {"team.whiner", u"Whiner"},
    {"team.looseRecruit", u"Loose recruit"},
    {"team.aggressive", u"Aggressive"},
    {"team.suicide", u"Suicide"},
    {"team.avoidThreats", u"Avoid threats"},
    {"team.ionImmune", u"Ion immune"},
    {"team.transportsReturn", u"Transports return"},
    {"team.membersRecruitable", u"Members recruitable"},
    {"team.baseDefense", u"Base defense"},
    {"team.onlyTargetHouseEnemy", u"Only target house enemy"},
    {"team.loadable", u"Loadable"},
    {"team.veteranLevel", u"Veteran level"},
    {"team.mindControl", u"Mind control"},
    {"team.house", u"House"},
    {"team.techLevel", u"Tech level"},
    {"team.group", u"Group"},
    {"team.onTransOnly", u"On trans only"},
    {"team.jump", u"Go to script and task force"},
    // The trigger window (dialog 134).
    {"trigger.caption", u"AI triggers"},
    {"trigger.list", u"Trigger list"},
    {"trigger.title", u"Title"},
    {"trigger.house", u"House"},
    {"trigger.techLevel", u"Tech level"},
    {"trigger.condition", u"Condition"},
    {"trigger.operator", u"Comparison"},
    {"trigger.value", u"Value"},
    {"trigger.conditionObject", u"Condition object"},
    {"trigger.easy", u"Easy AI"},
    {"trigger.medium", u"Medium AI"},
    {"trigger.hard", u"Hard AI"},
    {"trigger.team", u"Team"},
    {"trigger.side", u"Side"},
    {"trigger.minWeight", u"Min weight"},
    {"trigger.baseWeight", u"Base weight"},
    {"trigger.maxWeight", u"Max weight"},
    {"trigger.secondTeam", u"Second team"},
    {"trigger.skirmish", u"Skirmish"},
    {"trigger.baseDefense", u"Base defense"},
    {"trigger.jump", u"Go to team"},
    {"condition.none", u"Always"},
    {"condition.enemyOwns", u"Enemy owns (prerequisite) object"},
    {"condition.houseOwns", u"Own house owns (prerequisite) object"},
    {"condition.enemyPowerYellow", u"Enemy power is yellow"},
    {"condition.enemyPowerRed", u"Enemy power is red"},
    {"condition.enemyMoney", u"Enemy money at least"},
    {"condition.ironCurtainReady", u"Own Iron Curtain ready"},
    {"condition.chronosphereReady", u"Own Chronosphere ready"},
    {"condition.neutralOwns", u"Neutral owns (prerequisite) object"},
    {"operator.less", u"less than"},
    {"operator.lessEqual", u"at most"},
    {"operator.equal", u"equal to"},
    {"operator.greaterEqual", u"at least"},
    {"operator.greater", u"more than"},
    {"operator.notEqual", u"not equal to"},
    // The task force (135) and script (136) windows.
    {"taskForce.caption", u"Task forces"},
    {"taskForce.list", u"Task force list"},
    {"entryText.title", u"Title"},
    {"taskForce.text", u"Task force text"},
    {"taskForce.tidy", u"Tidy"},
    {"script.caption", u"Scripts"},
    {"script.list", u"Script list"},
    {"script.text", u"Script text"},
    {"script.insertAction", u"Insert action"},
    {"script.tidy", u"Tidy"},
    // The new entry dialog (137) and the rename dialog (141).
    {"addNew.caption", u"New entry"},
    {"addNew.kindName", u"Kind"},
    {"addNew.id", u"ID"},
    {"kind.trigger", u"Trigger"},
    {"kind.team", u"Team"},
    {"kind.script", u"Script"},
    {"kind.taskForce", u"Task force"},
    {"rename.caption", u"Rename"},
    {"rename.old", u"Old ID"},
    {"rename.new", u"New ID"},
    {"rename.ok", u"OK"},
    {"rename.cancel", u"Cancel"},
    // The buttons of questions and reports, and the file dialog (gui/qt/, gui/win32/).
    {"button.ok", u"OK"},
    {"button.yes", u"Yes"},
    {"button.no", u"No"},
    {"button.save", u"Save"},
    {"button.discard", u"Don't save"},
    {"button.cancel", u"Cancel"},
    {"button.close", u"Close"},
    {"button.reload", u"Reload"},
    {"button.ignore", u"Ignore"},
    {"button.overwrite", u"Overwrite"},
    {"button.restore", u"Restore"},
    {"button.discardRecovery", u"Discard"},
    {"button.later", u"Later"},
    {"button.refresh", u"Refresh"},
    {"report.findings", u"Findings"},
    {"dialog.open", u"Open"},
    // Open and Save (document/documentio.cpp).
    {"open.unreadableFile",
     u"The file cannot be opened; check whether another program is using it!"},
    {"open.includeFailed", u"Reading failed! Check:\nthat the file exists\nthat its encoding is "
                           u"ANSI\nthat the include file name is typed correctly"},
    {"open.includeUnread", u"{1}\nThe file exists but could not be read ({2}).\nSo that its "
                           u"content is not lost, nothing can be saved in this run."},
    {"open.tooLarge", u"The file is larger than 2 GB and cannot be read:\n"},
    {"open.linesWithoutSlot", u"{1} include lines after line 15 of [#include] were not read"},
    {"open.linesWithoutSlotMessage", u"{1} (there are only 15 slots).\nSo that their content is "
                                     u"not lost, nothing can be saved in this run."},
    {"save.nothingOpen", u"No file is open X_X"},
    {"save.openedFileUnread", u"The file's content could not be read when it was opened; so as not "
                              u"to overwrite it, it cannot be saved:\n{1}"},
    {"save.includesUnread", u"Include files could not be read when the file was opened; saving "
                            u"would lose their content, so nothing was saved:\n{1}"},
    {"save.cannotOpen", u"The file can no longer be opened; nothing was saved:\n{1}"},
    {"save.failed", u"Saving the file failed! T_T"},
    {"save.folderFailed", u"Saving the file failed! T_T\nCannot create the folder: {1} ({2})"},
    // The file report (document/filereport.cpp): kinds' names for the user, by their ASCII names.
    {"report.kind.unlisted-section", u"Unlisted section"},
    {"report.kind.duplicate-section", u"Duplicate section"},
    {"report.kind.shared-id", u"ID shared by two kinds"},
    {"report.kind.commented-out-entry", u"Commented-out list line"},
    {"report.kind.unread-include", u"Unreadable include file"},
    {"report.kind.missing-team", u"Trigger's team missing"},
    {"report.kind.missing-task-force", u"Team's task force missing"},
    {"report.kind.missing-script", u"Team's script missing"},
    {"report.kind.listed-twice", u"ID listed twice"},
    {"report.kind.empty-section", u"Entry without a section"},
    {"report.kind.no-team", u"Trigger names no team"},
    {"report.kind.no-task-force", u"Team names no task force"},
    {"report.kind.no-script", u"Team names no script"},
    {"report.kind.unknown-unit", u"Unknown unit type"},
    {"report.kind.unknown-condition-object", u"Unknown condition object"},
    {"report.kind.unknown-house", u"Unknown house"},
    {"report.kind.trigger-field-count", u"Wrong field count in trigger line"},
    {"report.kind.trigger-condition", u"Invalid trigger condition code"},
    {"report.kind.trigger-weight", u"Trigger weight not a number"},
    {"report.kind.trigger-difficulty", u"Trigger difficulty flag not an integer"},
    {"report.kind.team-priority", u"Team Priority not an integer"},
    {"report.kind.team-max", u"Team Max not an integer"},
    {"report.kind.task-force-member", u"Malformed task force member line"},
    {"report.kind.script-action", u"Malformed script action line"},
    {"report.kind.unknown-script-action", u"Unknown script action"},
    {"report.kind.script-argument", u"Invalid script action argument"},
    // The file report's findings and summary.
    {"report.list.0", u"task force"},
    {"report.list.1", u"script"},
    {"report.list.2", u"team"},
    {"report.where", u"{1} line {2}"},
    {"report.emptySection", u" an empty section (there is none)"},
    {"report.sectionAt", u" the section at {1}"},
    {"report.unreadInclude",
     u"This file, listed in [#include], could not be read; its content will not be saved."},
    {"report.sharedId", u"Listed both as a {1} ({2}) and as a {3}: "},
    {"report.sharedIdSame", u"both get{1}."},
    {"report.sharedIdDifferent", u"the {1} gets{2}, the {3} gets{4}."},
    {"report.commentedOut",
     u"The list line is commented out; the section at {1} is dropped on saving."},
    {"report.duplicateSection", u"Saving keeps only{1}; this section is dropped."},
    {"report.unlistedSection", u"No list names this ID; this section is dropped on saving."},
    {"report.weight.0", u"Base weight"},
    {"report.weight.1", u"Minimum weight"},
    {"report.weight.2", u"Maximum weight"},
    {"report.level.0", u"Easy"},
    {"report.level.1", u"Normal"},
    {"report.level.2", u"Hard"},
    {"report.triggerListedTwice", u"This ID appears more than once in the trigger list."},
    {"report.triggerNoTeam", u"The trigger's team field is empty."},
    {"report.triggerMissingTeam", u"The team “{1}” the trigger uses is not in the team list."},
    {"report.triggerFieldCount", u"The trigger line has {1} fields; it should have 18."},
    {"report.triggerCondition", u"The condition code “{1}” is not between -1 and 7."},
    {"report.unknownConditionObject",
     u"The condition object “{1}” is not in the rules file's unit and building lists."},
    {"report.triggerUnknownHouse",
     u"The trigger's house “{1}” is not in the rules file's [Countries]."},
    {"report.triggerWeight", u"{1} “{2}” is not a number."},
    {"report.triggerDifficulty", u"{1} difficulty flag “{2}” is not an integer."},
    {"report.entryListedTwice", u"This ID appears more than once in the {1} list."},
    {"report.entryEmpty", u"This entry has no section; saving writes an empty one."},
    {"report.teamNoLine", u"The team has no {1}= line."},
    {"report.teamEmptyValue", u"The team's {1} is empty."},
    {"report.teamMissing", u"The {1} “{2}” the team uses is not in the {1} list."},
    {"report.teamUnknownHouse", u"The team's House “{1}” is not in the rules file's [Countries]."},
    {"report.notInteger", u"{1} “{2}” is not an integer."},
    {"report.memberLine", u"The member line “{1}” is not “count,unit type”."},
    {"report.memberType",
     u"The member type “{1}” is not in the rules file's unit and building lists."},
    {"report.actionLine", u"The action line “{1}” is not two integers “action,argument”."},
    {"report.unknownAction",
     u"The action {2} of the action line “{1}” is not in the action table ({3})."},
    {"report.actionArgument", u"The argument {3} of action {1} “{2}”"},
    {"report.notTargetType", u"{1} is not a known target type."},
    {"report.outOfList", u"{1} is beyond the {2} list ({3} items)."},
    {"report.unknownMemberType", u"Line {1}: type {2} is not in the rules file"},
    {"report.place", u"{1} line {2}"},
    {"report.inDocument", u"in the document"},
    {"report.group.0", u"Dropped on saving"},
    {"report.group.1", u"Reference errors"},
    {"report.group.2", u"Value errors"},
    {"report.title", u"Check file: {1}"},
    {"report.rulesNote", u" ({1})"},
    {"report.groupCount", u"{1}: {2} items\n"},
    {"report.otherSections",
     u"  {1} other sections (such as [General]) are not saved, by design, and not listed.\n"},
    {"report.noProblems", u"\nNo problems found.\n"},
    // Recovery files (document/recovery.cpp) and the rules file (document/rulesfile.cpp).
    {"recovery.notRecovery", u"not a recovery file"},
    {"recovery.incomplete", u"the recovery file is incomplete"},
    {"recovery.otherVersion",
     u"the recovery file's format version is {1}; this program reads only version 1"},
    {"recovery.badLength", u"the recovery file is damaged (wrong length)"},
    {"recovery.badChecksum", u"the recovery file is damaged (wrong checksum)"},
    {"recovery.damaged", u"the recovery file is damaged"},
    {"recovery.noDataFolder",
     u"The user's data folder was not found; no recovery file can be saved"},
    {"recovery.folderFailed", u"Cannot create the recovery files' folder: {1} ({2})"},
    {"recovery.noMemory", u"Out of memory; the recovery file cannot be saved"},
    {"rules.unreadable", u"The rules file cannot be read: {1} ({2})"},
    {"rules.includesUnread", u"The rules file's include files could not be read: {1}"},
    {"rules.noLists",
     u"The rules file {1} has no [InfantryTypes], [VehicleTypes], [AircraftTypes], [BuildingTypes] "
     u"or [Countries]; names were not checked against it"},
    {"rules.note", u"Rules file: {1}, {2} unit and building types, {3} houses"},
    // The script actions: each one's short name and its line (scripts/scriptactions.cpp).
    {"action.0.name", u"Attack target type"},
    {"action.0.line",
     u"Attacks enemy targets of the type the argument names, one after another until none is left"},
    {"action.1.name", u"Attack waypoint"},
    {"action.1.line",
     u"Attacks what stands on the waypoint the argument names; the ground when no building does"},
    {"action.2.name", u"Go berserk"},
    {"action.2.line", u"Makes the members go berserk"},
    {"action.3.name", u"Move to waypoint"},
    {"action.3.line", u"The whole team moves to the waypoint the argument names"},
    {"action.4.name", u"Move to cell"},
    {"action.4.line", u"The whole team moves to the map cell the argument names (cell number)"},
    {"action.5.name", u"Guard area"},
    {"action.5.line", u"Guards where it stands for the time the argument gives"},
    {"action.6.name", u"Jump to line"},
    {"action.6.line",
     u"Goes on with the line of this script the argument names (from 1), for loops"},
    {"action.7.name", u"Player wins"},
    {"action.7.line", u"The team's owner wins"},
    {"action.8.name", u"Unload"},
    {"action.8.line", u"Transports drop their passengers; argument 0 keeps all in the team, 1 only "
                      u"the transports, 2 only the passengers, 3 none"},
    {"action.9.name", u"Deploy"},
    {"action.9.line", u"Members that can deploy deploy where they stand"},
    {"action.10.name", u"Follow friendlies"},
    {"action.10.line", u"Moves along with nearby friendly units"},
    {"action.11.name", u"Assign mission"},
    {"action.11.line",
     u"Gives every member the unit mission the argument names; the script stops here"},
    {"action.12.name", u"Set global"},
    {"action.12.line", u"Sets the global variable the argument names to true"},
    {"action.13.name", u"Idle animation"},
    {"action.13.line", u"Infantry members play their idle animation"},
    {"action.14.name", u"Load onto transport"},
    {"action.14.line", u"Members board the team's transports"},
    {"action.15.name", u"Spy on building at waypoint"},
    {"action.15.line", u"Spy members infiltrate the building on the waypoint the argument names"},
    {"action.16.name", u"Patrol to waypoint"},
    {"action.16.line",
     u"Heads for the waypoint the argument names, fighting enemies met on the way"},
    {"action.17.name", u"Change script"},
    {"action.17.line",
     u"Runs instead the script at the argument's index in the script list (from 0)"},
    {"action.18.name", u"Change team"},
    {"action.18.line",
     u"Merges the members into the team at the argument's index in the team list (from 0)"},
    {"action.19.name", u"Panic"},
    {"action.19.line", u"Infantry members panic and run about"},
    {"action.20.name", u"Change house"},
    {"action.20.line", u"The team changes to the house the argument names (house number)"},
    {"action.21.name", u"Scatter"},
    {"action.21.line", u"Members scatter"},
    {"action.22.name", u"Hide in shroud"},
    {"action.22.line", u"Moves to a nearby area not yet explored"},
    {"action.23.name", u"Player loses"},
    {"action.23.line", u"The team's owner loses"},
    {"action.24.name", u"Play speech"},
    {"action.24.line", u"Plays the speech the argument names"},
    {"action.25.name", u"Play sound"},
    {"action.25.line", u"Plays the sound the argument names"},
    {"action.26.name", u"Play movie"},
    {"action.26.line", u"Plays the movie the argument names"},
    {"action.27.name", u"Play music"},
    {"action.27.line", u"Plays the music the argument names"},
    {"action.28.name", u"Reduce ore"},
    {"action.28.line", u"Reduces the ore near the team"},
    {"action.29.name", u"Begin production"},
    {"action.29.line", u"The owner begins building and producing"},
    {"action.30.name", u"Fire sale"},
    {"action.30.line", u"The owner sells all its buildings"},
    {"action.31.name", u"Self destruct"},
    {"action.31.line", u"All members destroy themselves"},
    {"action.32.name", u"Ion storm soon"},
    {"action.32.line", u"Announces an ion storm to begin after the time the argument gives"},
    {"action.33.name", u"Ion storm ends"},
    {"action.33.line", u"Ends the ion storm"},
    {"action.34.name", u"Center view on team"},
    {"action.34.line", u"Moves the view to the team; the argument is the speed"},
    {"action.35.name", u"Reshroud map"},
    {"action.35.line", u"Covers the map with shroud again"},
    {"action.36.name", u"Reveal map"},
    {"action.36.line", u"Reveals the whole map"},
    {"action.37.name", u"Delete team members"},
    {"action.37.line", u"Removes the members from the map"},
    {"action.38.name", u"Clear global"},
    {"action.38.line", u"Sets the global variable the argument names to false"},
    {"action.39.name", u"Set local"},
    {"action.39.line", u"Sets the local variable the argument names to true"},
    {"action.40.name", u"Clear local"},
    {"action.40.line", u"Sets the local variable the argument names to false"},
    {"action.41.name", u"Unpanic"},
    {"action.41.line", u"Infantry members stop panicking"},
    {"action.42.name", u"Change facing"},
    {"action.42.line", u"Members turn to the direction the argument names (0 to 7)"},
    {"action.43.name", u"Wait until fully loaded"},
    {"action.43.line", u"Waits until the transports are full before going on"},
    {"action.44.name", u"Truck unload"},
    {"action.44.line", u"Trucks drop their cargo"},
    {"action.45.name", u"Truck load"},
    {"action.45.line", u"Trucks take on cargo"},
    {"action.46.name", u"Attack enemy building"},
    {"action.46.line",
     u"Attack an enemy building of the argument's type; the argument is the [BuildingTypes] index "
     u"plus the way of choosing × 65536 (0 least threat, 1 highest threat, 2 nearest, 3 farthest)"},
    {"action.47.name", u"Move to enemy building"},
    {"action.47.line",
     u"Moves next to an enemy building of the type the argument names; argument as for action 46"},
    {"action.48.name", u"Scout"},
    {"action.48.line", u"Scouts around"},
    {"action.49.name", u"Register success"},
    {"action.49.line", u"Counts this action as a success, which raises the trigger's weight"},
    {"action.50.name", u"Flash"},
    {"action.50.line", u"Members flash white; the argument is the number of frames"},
    {"action.51.name", u"Play animation"},
    {"action.51.line", u"Plays the animation the argument names where the team is"},
    {"action.52.name", u"Talk bubble"},
    {"action.52.line", u"Shows the talk bubble the argument names over the leader"},
    {"action.53.name", u"Gather at enemy base"},
    {"action.53.line", u"Gathers near the enemy base"},
    {"action.54.name", u"Regroup at base"},
    {"action.54.line", u"Gathers near the own base"},
    {"action.55.name", u"Iron Curtain me"},
    {"action.55.line", u"Asks the owner to use the Iron Curtain on the team"},
    {"action.56.name", u"Chrono attack building"},
    {"action.56.line", u"Asks to be chronoshifted next to the enemy building the argument names; "
                       u"argument as for action 46"},
    {"action.57.name", u"Chrono attack target"},
    {"action.57.line",
     u"Asks to be chronoshifted next to an enemy target of the type the argument names"},
    {"action.58.name", u"Move to own building"},
    {"action.58.line",
     u"Moves next to an own building of the type the argument names; argument as for action 46"},
    {"action.59.name", u"Attack building at waypoint"},
    {"action.59.line", u"Attacks the building on the waypoint the argument names"},
    {"action.60.name", u"Enter grinder"},
    {"action.60.line", u"Members enter the own recycling building for money"},
    {"action.61.name", u"Enter tank bunker"},
    {"action.61.line", u"Vehicle members enter a nearby tank bunker"},
    {"action.62.name", u"Enter bio reactor"},
    {"action.62.line", u"Infantry members enter the own bio reactor"},
    {"action.63.name", u"Enter battle bunker"},
    {"action.63.line", u"Infantry members enter a nearby battle bunker"},
    {"action.64.name", u"Garrison building"},
    {"action.64.line", u"Infantry members garrison a nearby building that can be garrisoned"},
    // The target types of the actions that attack a type, by value.
    {"target.0", u"Cancel attack"},
    {"target.1", u"Anything"},
    {"target.2", u"Buildings"},
    {"target.3", u"Harvesters"},
    {"target.4", u"Infantry"},
    {"target.5", u"Vehicles"},
    {"target.6", u"Factories"},
    {"target.7", u"Base defenses"},
    {"target.8", u"Base threats"},
    {"target.9", u"Power plants"},
    {"target.10", u"Occupiable buildings"},
    {"target.11", u"Tech buildings"},
    // What a script line means (scripts/scriptactions.cpp).
    {"explain.lineOf", u"Line {1}: {2}"},
    {"explain.emptyLine", u"empty line"},
    {"explain.header", u"section header"},
    {"explain.name", u"script name"},
    {"explain.notAction", u"not an action line"},
    {"explain.notTwoNumbers", u"not two integers “action,argument”"},
    {"explain.unknownAction", u"action {1}: unknown action ({2})"},
    {"explain.action", u"action {1} {2} — argument {3}: {4}"},
    {"explain.ignored", u" (the game does not carry out this action)"},
    {"explain.unused", u"not used"},
    {"explain.target", u"target type {1}"},
    {"explain.unknownTarget", u"unknown target type {1}"},
    {"explain.waypoint", u"waypoint {1}"},
    {"explain.duration", u"time {1}"},
    {"explain.mission", u"mission {1}"},
    {"explain.line", u"line {1}"},
    {"explain.number", u"value {1}"},
    {"explain.listEntry", u"{1} {2}"},
    {"explain.noListEntry", u"the {1} list has no index {2} ({3} items)"},
    // The main window's commands and questions (app/).
    {"app.openFilter", u"Configuration files (*.ini)|*.ini|All files (*.*)|*.*||"},
    {"app.reportKind", u"Kind"},
    {"app.reportId", u"ID"},
    {"app.reportPlace", u"Place"},
    {"app.reportWhat", u"Details"},
    {"app.saveAnyway", u"\nSave anyway?"},
    {"app.checkBeforeSave", u"Check before saving"},
    {"app.changedBeforeSave",
     u"Another program changed these files after they were opened or last saved:\n"},
    {"app.saveOverwrites", u"Saving overwrites those changes."},
    {"app.saveCaption", u"Save"},
    {"app.splitQuestion", u"Save split into separate files? ⊙(・◇・)？"},
    {"app.checkFileCaption", u"Check file"},
    {"app.restoreStep", u"Restore unsaved changes"},
    {"app.recoveryDamaged", u"A recovery file is damaged; it was renamed to .bad where it is, and "
                            u"the file opens as usual:\n"},
    {"app.recoveryNotRenamed", u", could not be renamed"},
    {"app.recoveryUnreadable",
     u"The recovery file cannot be read; the file opens as usual:\n{1} ({2})"},
    {"app.recoveryFound",
     u"Unsaved changes were found:\n{1}\nThe recovery file was saved at {2}.\n"},
    {"app.recoveryChanged", u"\nAnother program changed these files since then; saving after "
                            u"restoring overwrites those changes:\n"},
    {"app.recoveryChoices",
     u"\nRestore: open the file with these changes; nothing is written before you save.\nDiscard: "
     u"delete the recovery file.\nLater: keep the recovery file and ask again at the next open; "
     u"until then, changes to this file get no recovery file of their own."},
    {"app.recoveryCaption", u"Unsaved changes found"},
    {"app.usage", u"Usage: vantaedit [FILE]\n"},
    {"app.exitPrompt", u"Careful, there are unsaved changes ∑(っ°Д°;)っ\nExit anyway? (✪ω✪)"},
    {"app.exitCaption", u"Fight!!(ｏ^-^)~''☆ミ☆ミ"},
    {"app.recentGone", u"The file no longer exists and was removed from the recent files:\n{1}"},
    {"app.rulesKept", u"\nNames are still checked against the previous rules file: {1}"},
    {"app.rulesGone", u"The rules file no longer exists and is no longer used for {1}:\n{2}"},
    {"app.rulesNotUsed", u"\nNames were not checked against a rules file this time."},
    {"app.changedOnDisk", u"Another program changed these files:\n"},
    {"app.reloadQuestion", u"Load them again?"},
    {"app.reloadLoses", u"\nLoading again loses the unsaved changes."},
    {"app.changedCaption", u"Files changed"},
    {"app.undo", u"Undo{1}"},
    {"app.redo", u"Redo{1}"},
    {"app.recoveryFailed", u" — cannot save the recovery file: {1}"},
    {"app.languages.zh", u"中文"},
    {"app.languages.en", u"English"},
    // Undo steps as the Edit menu names them (ui/, teams/, triggers/, newentry/).
    {"step.named", u"{1} {2}"},
    {"step.more", u" and others ({1} in all)"},
    {"step.save", u"Save"},
    {"step.delete", u"Delete"},
    {"step.new", u"New"},
    {"step.copy", u"Copy"},
    {"step.rename", u"Rename"},
    {"step.renumberTeams", u"Renumber the team list"},
    // The list windows (ui/, teams/, triggers/).
    {"list.registryNumber", u"No."},
    {"list.registryId", u"ID"},
    {"list.unused", u"Not used"},
    {"list.usedBy", u"Used by {1} {2}"},
    {"usage.teams", u"team(s)"},
    {"usage.triggers", u"trigger(s)"},
    {"entryText.notFound", u"This entry was not found; not saved"},
    {"entryText.notASection",
     u"The first line must be a section header starting with [; not saved"},
    {"entryText.otherId", u"The section name must be the ID; not saved"},
    {"team.deleted", u"This team was deleted"},
    {"team.shown", u"No. {1}, ID: {2}"},
    {"team.noneShown", u"No team is shown yet; nothing was saved"},
    {"team.deletedNotSaved", u"This team was deleted; nothing was saved"},
    {"trigger.corrected", u"{1}, this entry had errors and was corrected"},
    {"trigger.badField",
     u"“{1}” may not contain a comma or a line break; the trigger was not saved"},
    {"trigger.deletedNotSaved", u"This trigger was deleted; nothing was saved"},
    // The new entry dialog and the rename dialog (newentry/).
    {"addNew.thanks", u"Glad you use my program! Thank you!"},
    {"addNew.noFile", u"ヽ(#`Д?)?o(▼皿▼メ;)o Open a file first???"},
    {"newEntry.badId",
     u"An ID may not contain a line break or any of [ ] = ; , nor begin or end with a blank"},
    {"newEntry.reserved", u"“{1}” is a section name the file reserves; it cannot be an ID"},
    {"newEntry.taken", u"A {2} with the ID “{1}” exists already; choose another"},
    {"rename.noSuchEntry", u"There is no entry with the ID “{1}”"},
    {"rename.ambiguous", u"“{1}” is the ID of entries of two kinds; a rename would be ambiguous"},
    {"rename.empty", u"The new ID is empty"},
    {"rename.same", u"The new ID is the same as the old one"},
    {"rename.triggerReferences", u"References in {1} trigger(s) will be updated"},
    {"rename.teamReferences", u"References in {1} team(s) will be updated"},
    // What vantaedit-cli prints (cli/).
    {"cli.usage.synopsis",
     u"Usage: vantaedit-cli save [--split] [--no-autodetect] FILE\n       vantaedit-cli rename "
     u"[--split] [--no-autodetect] FILE OLD NEW\n       vantaedit-cli import [--split] "
     u"[--no-autodetect] FILE FROM ID...\n       vantaedit-cli copy-chain [--split] "
     u"[--no-autodetect] FILE TRIGGER COPY...\n       vantaedit-cli check [--no-autodetect] "
     u"[--rules RULES] [--csf FILE] [--engine NAME]\n                           [--actions TABLE] "
     u"[--format=text|gcc|json] FILE...\n       vantaedit-cli explain [--rules RULES] [--csf FILE] "
     u"[--engine NAME] [--actions TABLE]\n                             [--format=text|json] FILE "
     u"ID...\n       vantaedit-cli migrate --from phobos-devbuild --to phobos [--split] "
     u"[--no-autodetect] FILE\n       vantaedit-cli diff [--format=text|json] OLD NEW\n       "
     u"vantaedit-cli merge BASE OURS THEIRS [-o OUT]\n       vantaedit-cli --version | --help\n  "
     u"Every command takes --lang zh|en: the language of the output (by default the system's:\n  "
     u"Chinese on a Chinese system, English otherwise); JSON keeps its field and kind names in "
     u"both.\n\n"},
    {"cli.usage.save",
     u"save: reads FILE (with the files of its [#include]) as the editor's Open does, then writes "
     u"it\n  back as Save does:\n  default      writes FILE itself\n  --split      saves split: "
     u"writes the +AI folder beside FILE; FILE keeps only [#include]\n  --no-autodetect  does not "
     u"take the first registry number from the first [TeamTypes] line\n                   "
     u"(numbering starts at 0)\n  Before saving, lists on standard error what the save will drop, "
     u"then saves all the same.\n  Exit status: 0 success (an include file that does not exist is "
     u"only told; the save goes on);\n    1 a file could not be read, include files after line 15 "
     u"of [#include], a write failed or\n      a symbolic link points outside the folder (nothing "
     u"on disk changes);\n    2 usage error.\n\n"},
    {"cli.usage.rename",
     u"rename: reads FILE as save does, renames entry OLD to NEW with every place that refers to "
     u"it\n  (teams' TaskForce= and Script=, triggers' team and second team; only the ID in the "
     u"value is\n  replaced, a note after it stays), then saves as save does. Exit status as for "
     u"save, and 4: the\n  rename was refused (OLD does not exist or is an entry of two kinds, NEW "
     u"is taken or cannot be\n  an ID); the reason goes to standard error and nothing is "
     u"written.\n\n"},
    {"cli.usage.import",
     u"import: reads FILE as save does, then reads another AI file FROM (with its include files), "
     u"and\n  imports the entries ID... of FROM into FILE with everything they use (a trigger's "
     u"teams, a\n  team's task force and script, the scripts and teams a script action names by "
     u"index; the index\n  becomes the one in this file's list after the import), then saves as "
     u"save does.\n  An entry this file has under the same ID with the same content is not copied "
     u"again; one with\n  the same ID and other content is imported under the new ID that Copy "
     u"would suggest, and the\n  imported entries' references follow. This file's own entries do "
     u"not change. Each entry gives\n  one line on standard output:\n    imported KIND ID | "
     u"imported KIND ID as NEWID | kept KIND ID\n  (KIND is trigger, team, script or "
     u"task-force).\n  Exit status as for save, and 4: an ID is no entry of FROM; nothing is "
     u"written.\n\n"},
    {"cli.usage.copyChain",
     u"copy-chain: reads FILE as save does, copies trigger TRIGGER with its teams (its team and "
     u"second\n  team) and their task forces as new entries (scripts are shared, not copied), the "
     u"copies\n  referring to each other, then saves as save does.\n  Each COPY makes one copy, "
     u"with the suffix S after every ID, in the order given:\n    --suffix S  the difficulty flags "
     u"stay\n    --easy S    easy only (fields 15, 16, 17 are 1,0,0)\n    --medium S  medium only "
     u"(0,1,0)\n    --hard S    hard only (0,0,1)\n  Each copied entry gives one line on standard "
     u"output: copied KIND ID as NEWID.\n  Exit status as for save, and 4: the copy was refused "
     u"(TRIGGER is no trigger, a new ID is\n  taken, repeated or cannot be an ID, or difficulty "
     u"flags are asked for on a trigger line\n  without 18 fields); the reason goes to standard "
     u"error and nothing is written.\n\n"},
    {"cli.usage.check",
     u"check: reads each FILE the same way, writes nothing, and reports on standard output "
     u"(UTF-8):\n  what saving will drop (unlisted sections, duplicate sections, IDs shared by two "
     u"kinds,\n  commented-out list lines, unreadable include files), reference errors (missing or "
     u"unnamed\n  teams, task forces and scripts, IDs listed twice, entries without a section) and "
     u"value errors\n  (trigger lines without 18 fields, condition codes outside -1 to 7, weights "
     u"that are not\n  numbers, difficulty flags that are not integers, team Priority or Max not "
     u"integers, member\n  lines not \"count,type\", action lines not two integers "
     u"\"action,argument\", actions not in the\n  action table, unknown target types, script or "
     u"team indexes beyond their list), each with its\n  file and line (from 1, in the file on "
     u"disk).\n  --rules RULES  also checks names against the mod's rules file RULES (with the "
     u"files of its\n                 [#include], ANSI or UTF-8): task force member types and "
     u"trigger condition\n                 objects (conditions 0, 1, 7) must be in "
     u"[InfantryTypes], [VehicleTypes],\n                 [AircraftTypes] or [BuildingTypes], the "
     u"houses of triggers and teams in\n                 [Countries] (letter case aside); the "
     u"report's first line names the rules file,\n                 and says so when it has none of "
     u"these lists. A rules file that cannot be read\n                 fails the whole run (1).\n  "
     u"--csf FILE     also reads the mod's string table FILE (.csf); one that cannot be read or "
     u"is\n                 damaged fails the whole run (1), in gcc format FILE: error: message\n  "
     u"               [unreadable-strings]; JSON then also has \"strings\": {\"file\", "
     u"\"texts\"}\n                 (\"file\", \"error\" when unreadable)\n  --engine NAME  which "
     u"script actions to check against: base (the game, the default), ares\n                 "
     u"(Ares), phobos (Ares + Phobos), phobos-devbuild (Ares + Phobos, old numbers);\n             "
     u"    the report's first line and the JSON's \"actions\" name the action table used.\n        "
     u"         When another table explains every action the file uses, the first line adds a\n    "
     u"             hint (in gcc format FILE: note: ... [engine-hint]).\n  --actions TABLE  the "
     u"mod's own action table (in [ScriptActions], one line per action:\n                 "
     u"number=name,kind,description), laid over the chosen actions; an action of the\n             "
     u"    same number replaces the one there. A table that cannot be read or has a line\n         "
     u"        it cannot read fails the whole run (1), naming the file and the line.\n  "
     u"--format=text  default: a report for people, as in the example below\n  --format=gcc   one "
     u"line per finding: FILE:LINE: warning: ID: message [kind]; a file that\n                 "
     u"cannot be read gives FILE: error: message [unreadable-file], a rules file\n                 "
     u"that cannot be read RULES: error: message [unreadable-rules]\n  --format=json  one UTF-8 "
     u"JSON document for the run: {\"version\", \"status\", \"files\": [{\"file\",\n               "
     u"  \"status\", \"error\" (only when unreadable), \"findings\": [{\"kind\", \"id\", "
     u"\"file\",\n                 \"line\", \"message\"}], \"summary\": {\"findings\", "
     u"\"dropped\", \"references\",\n                 \"values\", \"otherSections\", \"kinds\": "
     u"{kind: count}}}]}; with --rules also\n                 \"rules\": {\"file\", \"types\", "
     u"\"countries\"} (\"file\", \"error\" when unreadable)\n  Paths of FILE and of include files "
     u"are written as given on the command line.\n  Exit status (with several FILEs the gravest: 1 "
     u"over 3 over 0):\n    0 no findings; 3 findings (a missing include file included); 1 FILE or "
     u"RULES cannot be\n    read, or a save would refuse (an include file exists but cannot be "
     u"read, or include files\n    after line 15 of [#include]);\n    2 usage error.\n\nA "
     u"report:\n  Check file: /mods/ai.ini\n  Dropped on saving: 1 items\n    Unlisted section: "
     u"1\n  Reference errors: 1 items\n    Team's script missing: 1\n  Value errors: 0 items\n\n  "
     u"Dropped on saving:\n  [Unlisted section] SC_Siege2 — ai.ini line 40: No list names this ID; "
     u"this section is dropped on saving.\n\n  Reference errors:\n  [Team's script missing] "
     u"TM_Siege — ai.ini line 31: The script “SC_Siege3” the team uses is not in the script "
     u"list.\n\nThe same report in gcc format:\n  /mods/ai.ini:40: warning: SC_Siege2: No list "
     u"names this ID; this section is dropped on saving. [unlisted-section]\n  /mods/ai.ini:31: "
     u"warning: TM_Siege: The script “SC_Siege3” the team uses is not in the script list. "
     u"[missing-script]\n\n"},
    {"cli.usage.diff",
     u"diff: reads OLD and NEW as Open does (with their include files) and compares them by entry, "
     u"not\n  by line: entries added, removed and changed; a changed team lists the keys that "
     u"changed, a\n  trigger the fields (by name), task forces and scripts the lines. A different "
     u"registry number\n  or place in the list alone is no change.\n  --format=text  default: one "
     u"line per entry, the details of a change indented below it\n  --format=json  {\"old\", "
     u"\"new\", \"status\", \"added\", \"removed\", \"changed\"}\n  Exit status: 0 the same; 1 "
     u"different; 2 usage error, or a file (or an include file that\n  exists) cannot be "
     u"read.\n\n"},
    {"cli.usage.merge",
     u"merge: merges three versions of one file by entry (each file on its own; include files are "
     u"not\n  read): an entry only one side changed takes that side; both sides changed alike, it "
     u"is taken\n  once; entries both sides added are both kept; an entry one side deleted and the "
     u"other left\n  alone is deleted; teams both sides changed are merged by key. Different "
     u"changes on both sides,\n  two different entries added under one ID, or a deletion on one "
     u"side and a change on the other\n  are conflicts: OURS's version is kept and both versions "
     u"are written on standard error. Lists\n  are written as Save writes them; sections outside "
     u"the lists (such as [#include]) stay as they\n  are. Writes OUT (the whole file replaced at "
     u"once), or standard output without -o. Usable as\n  git's merge driver:\n    git config "
     u"merge.vantaedit.driver \"vantaedit-cli merge %O %A %B -o %A\"\n  Exit status: 0 merged; 1 "
     u"conflicts (the file is written all the same); 2 usage error, a file\n    cannot be read or "
     u"cannot be written (nothing is written).\n"},
    {"cli.unreadable", u"the file cannot be read"},
    {"cli.includesUnread", u"a save would refuse; include files could not be read: {1}"},
    {"cli.notRenamed", u"{1}; nothing was renamed\n"},
    {"cli.internalError", u"Internal error; nothing was saved: {1}\n"},
    {"cli.internalErrorUnknown", u"Internal error; nothing was saved\n"},
    // The scenario player (player/).
    {"player.usage", u"Usage: vantaedit-player SCENARIO_DIR [--state OUT.json] [--keep WORKDIR | "
                     u"--resume WORKDIR] [--data-home DIR] [--lang zh|en]\n"},
    {"cli.diffUnread", u": the file could not be read whole; nothing was compared\n"},
    {"cli.mergeConflicts", u"{1} conflicts; the conflicting entries keep OURS's version\n"},
    {"cli.mergeUnreadable", u": the file cannot be read ({1}); nothing was merged\n"},
    {"cli.mergeWriteFailed", u": saving the file failed ({1}); nothing was merged\n"},
    // Import entries and copy a trigger's chain (app/importwindow.cpp,
    // triggers/copychaindialog.cpp, document/, res/transferdialogs.cpp).
    {"menu.import", u"Import entries..."},
    {"import.caption", u"Import entries"},
    {"import.list", u"Entries"},
    {"import.ok", u"Import"},
    {"import.close", u"Close"},
    {"import.same", u"present, same"},
    {"import.other", u"present, different"},
    {"import.absent", u"absent"},
    {"import.kind", u"Kind"},
    {"import.thisFile", u"This file"},
    {"import.from", u"From: {1}"},
    {"import.count", u"{1} entries, {2} shown"},
    {"import.noneChosen", u"First choose the entries to import in the list"},
    {"step.import", u"Import"},
    {"kind.entry", u"entry"},
    {"import.summary", u"Imported {1} entries{2}.{3}"},
    {"import.kept", u"; {1} identical entries were present and not copied again"},
    {"import.renamed",
     u"\nThese entries met different entries of the same ID and took new IDs:{1}"},
    {"import.renamedEntry", u"\n{1} {2} → {3}"},
    {"import.notInFrom", u"{1} has no entry with the ID “{2}”; nothing was imported\n"},
    {"chain.caption", u"Copy chain"},
    {"chain.plain", u"Copy (same difficulty)"},
    {"chain.easy", u"Easy"},
    {"chain.medium", u"Medium"},
    {"chain.hard", u"Hard"},
    {"chain.suffix", u"Suffix"},
    {"chain.trigger", u"Copies trigger {1} with its teams and task forces (scripts are shared)"},
    {"step.copyChain", u"Copy chain {1}"},
    {"chain.noTrigger", u"There is no trigger with the ID “{1}”"},
    {"chain.noCopies", u"No copy is asked for"},
    {"chain.emptySuffix", u"A copy's suffix is empty"},
    {"chain.notEighteen",
     u"The line of trigger “{1}” does not have 18 fields; its difficulty cannot be set"},
    {"chain.taken", u"An entry with the ID “{1}” exists already; choose another suffix"},
    {"chain.twice", u"Two copies would get the ID “{1}”; choose another suffix"},
    {"chain.notCopied", u"{1}; nothing was copied\n"},
    {"trigger.copyChain", u"Copy chain"},
    // The engines' actions, the mod's names and the string table (scripts/, core/, document/,
    // cli/).
    {"report.kind.script-building", u"Script's building type missing"},
    {"report.buildingMode", u"{1}: the way of choosing, {2}, is not between 0 and 3."},
    {"report.buildingPastEnd",
     u"{1}: building type index {2} is beyond the rules file's [BuildingTypes] ({3} items)."},
    {"report.notPhobosTarget", u"{1} is not one of the extension's target types (1 to 36)."},
    {"explain.member", u"Line {1}: {2} × {3}{4} ({5})"},
    {"report.notesSeparator", u"; "},
    {"report.actionTable", u"action table: {1}"},
    {"report.hint", u". {1}"},
    {"report.profileHint", u"{1} lines of the file use actions of {2}; the current profile is {3}"},
    {"action.ares.53.name", u"Gather at enemy base"},
    {"action.ares.53.line", u"Gather near the enemy base; the argument adds cells to "
                            u"AISafeDistance (or takes them away when negative)"},
    {"action.ares.54.name", u"Regroup at base"},
    {"action.ares.54.line", u"Gather near the own base; the argument adds cells to "
                            u"AIFriendlyDistance (or takes them away when negative)"},
    {"action.ares.55.name", u"Request Iron Curtain-like super weapon"},
    {"action.ares.55.line",
     u"Protect the team with a charged Iron Curtain-like super weapon of the argument's group, "
     u"waiting when one is nearly charged (the argument is the group number)"},
    {"action.ares.65.name", u"Auxiliary power"},
    {"action.ares.65.line", u"Change the house's power output for good by the argument (may be "
                            u"negative); each run adds up"},
    {"action.ares.66.name", u"Kill drivers"},
    {"action.ares.66.line", u"Kill the drivers of the member vehicles, which then belong to the "
                            u"Special house; protected ones are not affected"},
    {"action.ares.67.name", u"Take vehicles"},
    {"action.ares.67.line", u"Infantry members that can drive or steal vehicles take the nearest "
                            u"vehicle and leave the team when they have it"},
    {"action.ares.68.name", u"Convert type"},
    {"action.ares.68.line", u"Members turn at once into the script conversion type each has set; "
                            u"those without one stay as they are"},
    {"action.ares.69.name", u"Sonar reveal"},
    {"action.ares.69.line",
     u"Members cannot cloak for the argument's number of frames; argument 0 ends the effect"},
    {"action.ares.70.name", u"Disable weapons"},
    {"action.ares.70.line",
     u"Members cannot fire for the argument's number of frames; argument 0 ends the effect"},
    {"action.10000.name", u"Attack target type (near, repeat)"},
    {"action.10000.line",
     u"Attack enemy targets of the argument's type, nearest first, until none is left"},
    {"action.10001.name", u"Attack target type (near, one)"},
    {"action.10001.line", u"Attack enemy targets of the argument's type, nearest first; ends when "
                          u"a member has destroyed one"},
    {"action.10002.name", u"Attack target list (near, repeat)"},
    {"action.10002.line", u"Attack the types of the argument's row of [AITargetTypes], nearest "
                          u"first, until none is left"},
    {"action.10003.name", u"Attack target list (near, one)"},
    {"action.10003.line", u"Attack the types of the argument's row of [AITargetTypes], nearest "
                          u"first; ends when a member has destroyed one"},
    {"action.10004.name", u"Attack a random type of a target list (near)"},
    {"action.10004.line", u"Pick one type at random from the argument's row of [AITargetTypes] and "
                          u"attack it, nearest first, until none is left"},
    {"action.10005.name", u"Attack target type (far, repeat)"},
    {"action.10005.line",
     u"Attack enemy targets of the argument's type, farthest first, until none is left"},
    {"action.10006.name", u"Attack target type (far, one)"},
    {"action.10006.line", u"Attack enemy targets of the argument's type, farthest first; ends when "
                          u"a member has destroyed one"},
    {"action.10007.name", u"Attack target list (far, repeat)"},
    {"action.10007.line", u"Attack the types of the argument's row of [AITargetTypes], farthest "
                          u"first, until none is left"},
    {"action.10008.name", u"Attack target list (far, one)"},
    {"action.10008.line", u"Attack the types of the argument's row of [AITargetTypes], farthest "
                          u"first; ends when a member has destroyed one"},
    {"action.10009.name", u"Attack a random type of a target list (far)"},
    {"action.10009.line", u"Pick one type at random from the argument's row of [AITargetTypes] and "
                          u"attack it, farthest first, until none is left"},
    {"action.10010.name", u"Attack target type (near and threatening, repeat)"},
    {"action.10010.line", u"Attack enemy targets of the argument's type, near and threatening ones "
                          u"first, until none is left"},
    {"action.10011.name", u"Attack target type (near and threatening, one)"},
    {"action.10011.line", u"Attack enemy targets of the argument's type, near and threatening ones "
                          u"first; ends when a member has destroyed one"},
    {"action.10012.name", u"Attack target list (near and threatening, repeat)"},
    {"action.10012.line", u"Attack the types of the argument's row of [AITargetTypes], near and "
                          u"threatening ones first, until none is left"},
    {"action.10013.name", u"Attack target list (near and threatening, one)"},
    {"action.10013.line", u"Attack the types of the argument's row of [AITargetTypes], near and "
                          u"threatening ones first; ends when a member has destroyed one"},
    {"action.10014.name", u"Attack target type (far and threatening, repeat)"},
    {"action.10014.line", u"Attack enemy targets of the argument's type, far and threatening ones "
                          u"first, until none is left"},
    {"action.10015.name", u"Attack target type (far and threatening, one)"},
    {"action.10015.line", u"Attack enemy targets of the argument's type, far and threatening ones "
                          u"first; ends when a member has destroyed one"},
    {"action.10016.name", u"Attack target list (far and threatening, repeat)"},
    {"action.10016.line", u"Attack the types of the argument's row of [AITargetTypes], far and "
                          u"threatening ones first, until none is left"},
    {"action.10017.name", u"Attack target list (far and threatening, one)"},
    {"action.10017.line", u"Attack the types of the argument's row of [AITargetTypes], far and "
                          u"threatening ones first; ends when a member has destroyed one"},
    {"action.10050.name", u"Move to enemy target type (near and threatening)"},
    {"action.10050.line", u"The whole team moves to an enemy target of the argument's type, near "
                          u"and threatening ones first; ends when close enough"},
    {"action.10051.name", u"Move to enemy target list (near and threatening)"},
    {"action.10051.line", u"The whole team moves to an enemy target of the types of the argument's "
                          u"row of [AITargetTypes], near and threatening ones first"},
    {"action.10052.name", u"Move to a random type of an enemy target list (near)"},
    {"action.10052.line", u"Pick one type at random from the argument's row of [AITargetTypes]; "
                          u"the whole team moves to an enemy target of it, nearest first"},
    {"action.10053.name", u"Move to friendly target type (near)"},
    {"action.10053.line", u"The whole team moves to a friendly target of the argument's type, "
                          u"nearest first; ends when close enough"},
    {"action.10054.name", u"Move to friendly target list (near)"},
    {"action.10054.line", u"The whole team moves to a friendly target of the types of the "
                          u"argument's row of [AITargetTypes], nearest first"},
    {"action.10055.name", u"Move to a random type of a friendly target list (near)"},
    {"action.10055.line", u"Pick one type at random from the argument's row of [AITargetTypes]; "
                          u"the whole team moves to a friendly target of it, nearest first"},
    {"action.10056.name", u"Move to enemy target type (far and threatening)"},
    {"action.10056.line", u"The whole team moves to an enemy target of the argument's type, far "
                          u"and threatening ones first; ends when close enough"},
    {"action.10057.name", u"Move to enemy target list (far and threatening)"},
    {"action.10057.line", u"The whole team moves to an enemy target of the types of the argument's "
                          u"row of [AITargetTypes], far and threatening ones first"},
    {"action.10058.name", u"Move to a random type of an enemy target list (far)"},
    {"action.10058.line", u"Pick one type at random from the argument's row of [AITargetTypes]; "
                          u"the whole team moves to an enemy target of it, farthest first"},
    {"action.10059.name", u"Move to friendly target type (far)"},
    {"action.10059.line", u"The whole team moves to a friendly target of the argument's type, "
                          u"farthest first; ends when close enough"},
    {"action.10060.name", u"Move to friendly target list (far)"},
    {"action.10060.line", u"The whole team moves to a friendly target of the types of the "
                          u"argument's row of [AITargetTypes], farthest first"},
    {"action.10061.name", u"Move to a random type of a friendly target list (far)"},
    {"action.10061.line", u"Pick one type at random from the argument's row of [AITargetTypes]; "
                          u"the whole team moves to a friendly target of it, farthest first"},
    {"action.10100.name", u"Timed area guard"},
    {"action.10100.line",
     u"Guard the area nearby for the argument's number of seconds, meeting any attacker"},
    {"action.10101.name", u"Wait until ammo is full"},
    {"action.10101.line", u"Wait until every member that uses ammo has reloaded fully, then go on"},
    {"action.10102.name", u"Gather around the leader"},
    {"action.10102.line",
     u"Stay around the leader, who barely moves, for the argument's number of seconds"},
    {"action.10103.name", u"Board the team's transports"},
    {"action.10103.line", u"Members the team's transports can carry board them"},
    {"action.10104.name", u"Chronoshift to enemy base"},
    {"action.10104.line", u"Chronoshift the whole team near the enemy base; the argument adds "
                          u"cells to AISafeDistance (or takes them away when negative)"},
    {"action.12000.name", u"Wait when no target is found"},
    {"action.12000.line", u"When the next Phobos attack action finds no target, retry once a "
                          u"second; the argument is the number of retries, 0 for no limit"},
    {"action.12001.name", u"Change target distance"},
    {"action.12001.line",
     u"The next Phobos move action uses the argument's distance instead of CloseEnough, once"},
    {"action.12002.name", u"Set how moving ends"},
    {"action.12002.line", u"When the next Phobos move action ends: 0 when the leader arrives, 1 "
                          u"when any member arrives, 2 when all arrive"},
    {"action.14000.name", u"Trigger weight reward on kill"},
    {"action.14000.line", u"When a member destroys the target of the next Phobos attack action, "
                          u"add the argument to the trigger's current weight"},
    {"action.14001.name", u"Increase trigger weight"},
    {"action.14001.line",
     u"Add the argument to the trigger's current weight, within its minimum and maximum weight"},
    {"action.14002.name", u"Decrease trigger weight"},
    {"action.14002.line",
     u"Take the argument from the trigger's current weight, within its minimum and maximum weight"},
    {"action.14003.name", u"Undo register success"},
    {"action.14003.line", u"The opposite of action 49: register this mission as a failure"},
    {"action.14004.name", u"Force enemies only"},
    {"action.14004.line", u"Whether all teams of the house attack only enemies in Phobos attack "
                          u"and move actions: -1 by team, 0 no, 1 yes, 2 at random"},
    {"action.16000.name", u"Timed restart of this line"},
    {"action.16000.line", u"When the argument's number of seconds is up, restart the current "
                          u"action, again and again, until action 16002 stops it"},
    {"action.16001.name", u"Timed jump to the next line"},
    {"action.16001.line", u"When the argument's number of seconds is up, end the current action "
                          u"and go on with the next line"},
    {"action.16002.name", u"Stop timed jumps"},
    {"action.16002.line", u"Stop the timed jump that action 16000 or 16001 started"},
    {"action.16003.name", u"Randomly skip the next line"},
    {"action.16003.line", u"Skip the next action with the argument's chance in percent (0 to 100)"},
    {"action.16004.name", u"Pick a random script"},
    {"action.16004.line", u"Replace the current script by one picked at random from the argument's "
                          u"row of [AIScriptsList]"},
    {"action.16005.name", u"Back to the original script"},
    {"action.16005.line",
     u"A script picked by action 16004 goes back to the original script, on after the 16004 line"},
    {"action.devbuild.124.name", u"Stop timed jumps"},
    {"action.devbuild.124.line", u"Stop the timed jump that action 125 or 126 started"},
    {"action.devbuild.125.name", u"Timed jump to the next line"},
    {"action.devbuild.125.line",
     u"When the argument's number of frames is up, end the current action and go on with the next "
     u"line (the old number counts frames, the new number 16001 seconds)"},
    {"action.devbuild.126.name", u"Timed restart of this line"},
    {"action.devbuild.126.line",
     u"When the argument's number of frames is up, restart the current action, again and again "
     u"(the old number counts frames, the new number 16000 seconds)"},
    {"migrate.framesToSeconds",
     u"Script {1}, “{2}”: action {3} became {4}; its argument {5} counted frames, the new number "
     u"counts seconds (15 frames a second). It was not converted: check it yourself."},
    {"migrate.secondsToFrames",
     u"Script {1}, “{2}”: action {3} became {4}; its argument {5} counted seconds, the old number "
     u"counts frames (15 frames a second). It was not converted: check it yourself."},
    {"actionTable.at", u"{1} line {2}: {3}"},
    {"actionTable.noNumber", u"no action number (it should be “number=name,kind,description”)"},
    {"actionTable.noName", u"the action has no name"},
    {"actionTable.unknownKind",
     u"unknown argument kind “{1}” (known: none, number, waypoint, duration, seconds, mission, "
     u"script, team, line, target, building, phobos-target, ai-target-types, ai-scripts-list, "
     u"variable)"},
    {"actionTable.twice", u"action {1} was already given on line {2}"},
    {"actionTable.source", u"table"},
    {"actionTable.unreadable", u"The action table cannot be read: {1} ({2})"},
    {"engine.source.ares", u"Ares"},
    {"engine.source.phobos", u"Phobos"},
    {"engine.base", u"The game"},
    {"engine.ares", u"Ares"},
    {"engine.phobos", u"Ares + Phobos"},
    {"engine.phobosDevbuild", u"Ares + Phobos, old numbers"},
    {"variable.op.0", u"set to"},
    {"variable.op.1", u"add"},
    {"variable.op.2", u"subtract"},
    {"variable.op.3", u"multiply by"},
    {"variable.op.4", u"divide by"},
    {"variable.op.5", u"modulo"},
    {"variable.op.6", u"shift left by"},
    {"variable.op.7", u"shift right by"},
    {"variable.op.8", u"bitwise NOT"},
    {"variable.op.9", u"bitwise XOR"},
    {"variable.op.10", u"bitwise OR"},
    {"variable.op.11", u"bitwise AND"},
    {"variable.local", u"local variable"},
    {"variable.global", u"global variable"},
    {"variable.number", u"number"},
    {"variable.name", u"{1}: {2} ({3})"},
    {"variable.lineNumber", u"Apply “{2}” to the {1} the argument's low 16 bits name, with the "
                            u"number in its high 16 bits"},
    {"variable.lineVariable", u"Apply “{2}” to the {1} the argument's low 16 bits name, with the "
                              u"value of the {3} its high 16 bits name"},
    {"explain.seconds", u"{1} seconds"},
    {"explain.listRowArgument", u"{1} row {2} (from 0)"},
    {"phobosTarget.1", u"Anything"},
    {"phobosTarget.2", u"Buildings"},
    {"phobosTarget.3", u"Harvesters"},
    {"phobosTarget.4", u"Infantry"},
    {"phobosTarget.5", u"Vehicles"},
    {"phobosTarget.6", u"Factories"},
    {"phobosTarget.7", u"Base defenses"},
    {"phobosTarget.8", u"Threats to the house"},
    {"phobosTarget.9", u"Power plants"},
    {"phobosTarget.10", u"Occupied buildings"},
    {"phobosTarget.11", u"Tech buildings"},
    {"phobosTarget.12", u"Refineries"},
    {"phobosTarget.13", u"Mind controllers"},
    {"phobosTarget.14", u"Aircraft"},
    {"phobosTarget.15", u"Naval targets"},
    {"phobosTarget.16", u"Disruptors"},
    {"phobosTarget.17", u"Ground vehicles"},
    {"phobosTarget.18", u"Economy targets"},
    {"phobosTarget.19", u"Barracks"},
    {"phobosTarget.20", u"War factories"},
    {"phobosTarget.21", u"Airfields"},
    {"phobosTarget.22", u"Radars"},
    {"phobosTarget.23", u"High-tech buildings"},
    {"phobosTarget.24", u"Naval yards"},
    {"phobosTarget.25", u"Super weapons"},
    {"phobosTarget.26", u"Construction yards"},
    {"phobosTarget.27", u"Neutral targets"},
    {"phobosTarget.28", u"Cloak or gap generators"},
    {"phobosTarget.29", u"Radar jammers"},
    {"phobosTarget.30", u"Inhibitors"},
    {"phobosTarget.31", u"Naval units"},
    {"phobosTarget.32", u"Mobile units"},
    {"phobosTarget.33", u"Capturable buildings"},
    {"phobosTarget.34", u"Enemies in the guard area"},
    {"phobosTarget.35", u"War factories and naval yards"},
    {"phobosTarget.36", u"Non-defense buildings"},
    {"building.mode.0", u"the least threatening"},
    {"building.mode.1", u"the most threatening"},
    {"building.mode.2", u"the nearest"},
    {"building.mode.3", u"the farthest"},
    {"building.unknownMode", u"unknown way of choosing {1} (it should be 0 to 3)"},
    {"building.nth", u"building type {1} (from 0)"},
    {"building.withMode", u"{1}, {2}"},
    {"building.pastEnd", u"{1} is not in the rules file's [BuildingTypes] ({2} items), {3}"},
    {"building.named", u"{1} {2}"},
    {"typeKind.0", u"Infantry"},
    {"typeKind.1", u"Vehicles"},
    {"typeKind.2", u"Aircraft"},
    {"typeKind.3", u"Buildings"},
    {"names.idWithName", u"{1} ({2})"},
    {"names.typeChoice", u"{1}{2} ({3})"},
    {"stringTable.notTable", u"The string table cannot be used: {1} (not a string table file: it "
                             u"does not begin with the “ FSC” header)"},
    {"stringTable.broken", u"The string table is damaged: {1} (label {2}, at byte {3}: {4})"},
    {"stringTable.noLabel", u"a label “ LBL” was expected"},
    {"stringTable.ended", u"the file ends early"},
    {"stringTable.noString", u"a text “ RTS” was expected"},
    {"stringTable.unreadable", u"The string table cannot be read: {1} ({2})"},
    {"explain.teamKey.Name", u"team name"},
    {"explain.teamKey.Priority", u"priority"},
    {"explain.teamKey.Max", u"maximum"},
    {"explain.teamKey.VeteranLevel", u"veteran level"},
    {"explain.teamKey.MindControlDecision", u"mind control decision"},
    {"explain.teamKey.House", u"house"},
    {"explain.teamKey.TechLevel", u"tech level"},
    {"explain.teamKey.Group", u"group"},
    {"explain.teamKey.Loadable", u"loadable"},
    {"explain.teamKey.OnTransOnly", u"on transports only"},
    {"explain.teamKey.Script", u"script"},
    {"explain.teamKey.TaskForce", u"task force"},
    {"explain.notListed", u"{1} (not in the list)"},
    {"explain.notInRules", u"{1} (not in the rules file)"},
    {"explain.typeNamed", u"{1} ({2}, {3})"},
    {"explain.taskForceName", u"task force name"},
    {"explain.group", u"group {1}"},
    {"explain.notCountAndType", u"not “count,unit type”"},
    {"explain.notMember", u"not a member line"},
    {"explain.notKeyValue", u"not “key=value”"},
    {"explain.empty", u"(empty)"},
    {"explain.trigger",
     u"trigger {1}: team {2}{3}, house {4}, condition {5} {6}, condition object {7}"},
    {"explain.secondTeam", u", second team {1}"},
    {"explain.unknownCondition", u"unknown"},
    {"migrate.changed", u"Changed the action number of {1} lines ({2} → {3})."},
    {"explain.entryHead", u"{1} {2} ({3})"},
    {"explain.unreadable", u"The file cannot be read: {1}"},
    {"explain.includesUnread", u"Include files could not be read: {1}"},
    {"explain.noEntry", u"No entry has the ID {1}\n"},
    {"app.stringTableFilter", u"String tables (*.csf)|*.csf|All files (*.*)|*.*||"},
    {"app.stringTableKept", u"\nThe string table in use stays: {1}"},
    {"app.stringTableGone",
     u"The string table no longer exists and is no longer used for {1}:\n{2}"},
    {"app.stringTableNotUsed", u"\nNo string table is used this time."},
    {"app.actionTableChoose", u"Own action table..."},
    {"app.actionTableInUse", u"Own action table: {1}"},
    {"app.actionTableDrop", u"No own action table"},
    {"app.actionTableDropped", u"\nThis action table is no longer used."},
    {"app.actionsKept", u"\nThe actions in use stay: {1}"},
    {"app.actionsOnly", u"\nThis time only the actions of {1} are used."},
    {"step.migratePhobos", u"Move to Phobos' new numbers"},
    {"menu.stringTable", u"String table..."},
    {"menu.engine", u"Engine extensions"},
    {"menu.tools", u"Tools"},
    {"menu.migratePhobos", u"Move to Phobos' new numbers"},
    // The commands explain and migrate (cli/), and the task force window's member box.
    {"cli.usage.explain",
     u"explain: reads FILE the same way and tells, line by line, what each line of the entry ID "
     u"says\n  (task force, script, team or trigger; an ID shared by two kinds is told once for "
     u"each), in the\n  words of the editor's windows: members' types and names, script actions "
     u"and their arguments,\n  a team's task force, script and house, a trigger's teams, house and "
     u"condition object.\n  --rules RULES  names types, buildings and houses by the rules file "
     u"(Name=)\n  --csf FILE     names types by the UIName= text of the string table FILE (.csf) "
     u"before Name=\n  --engine NAME, --actions TABLE  which script actions explain the script "
     u"lines, as for check\n                 (the same use and the same errors)\n  --format=text  "
     u"default: a paragraph per entry, each line \"number: text\" with its meaning\n               "
     u"  on the next line\n  --format=json  one UTF-8 JSON array, an object per entry: {\"kind\" "
     u"(task-force, script, team,\n                 trigger), \"id\", \"file\", \"lines\": "
     u"[{\"line\" (in its file, null when only in\n                 the document), \"text\", "
     u"\"meaning\", \"refers\" (the IDs the line names, when\n                 it names some)}]}\n "
     u" Exit status: 0 success; 4 an ID is no entry (the others are told as usual); 1 FILE, RULES, "
     u"the string\n    table or the action table cannot be read (or the table has a line it cannot "
     u"read), or an\n    include file exists but cannot be read; 2 usage error.\n\n"},
    {"cli.usage.migrate",
     u"migrate: reads FILE as save does and moves the action number of every script action line "
     u"from\n  the old numbers of Phobos' development builds to those of 0.3 and later (--from "
     u"phobos --to\n  phobos-devbuild moves them back); no other byte changes (arguments, negative "
     u"arguments,\n  blanks and notes stay); the actions whose argument changed its unit (125, "
     u"126: frames to\n  seconds) are told line by line on standard error, not converted. Then "
     u"saves as save does,\n  with the exit status of save.\n\n"},
    {"taskForce.insertMember", u"Insert member"},
    // Names in a script line: list entries, rows of the rules file's lists, variables (scripts/).
    {"explain.noListRowArgument",
     u"{1} row {2} (from 0): the rules file has no such row ({3} rows)"},
    {"explain.rowSeparator", u", "},
    {"explain.listRowNamed", u"{1} row {2}: {3}"},
    {"explain.localVariable", u"local variable {1}"},
    {"explain.globalVariable", u"global variable {1}"},
    {"explain.anyVariable", u"variable {1}"},
    {"explain.variableUnnamed", u"{1} (not in the rules file's [VariableNames])"},
    {"explain.variableAndNumber", u"{1}, number {2}"},
    {"explain.variableAndVariable", u"{1}, {2}"},
    {"explain.variableAndHigh", u"{1}, high 16 bits {2}"},
};

} // namespace

std::span<const TextEntry> EnglishTexts() { return kTexts; }

} // namespace res
