#!/usr/bin/perl
# Loads a database file with Palm::PDB, a reader independent of the converter,
# and prints what it found: the name, type and creator, the number of records
# and each record's bytes, all but the counts in hexadecimal.
use strict;
use warnings;
use Palm::PDB;
use Palm::Raw;

$SIG{__WARN__} = sub { die @_ };
my $pdb = Palm::PDB->new;
$pdb->Load($ARGV[0]);
print "name ", unpack("H*", $pdb->{name}), "\n";
print "type $pdb->{type}\n";
print "creator $pdb->{creator}\n";
my @records = @{$pdb->{records} || []};
print "records ", scalar(@records), "\n";
print unpack("H*", $_->{data}), "\n" for @records;
