#!/usr/bin/perl
# Writes a database file with Palm::PDB, a writer independent of the
# converter: the given name, type and creator, and one record per text (16
# zero bytes, the text and a NUL).
#   write_pdb.pl PATH NAME TYPE CREATOR [TEXT...]
use strict;
use warnings;
use Palm::PDB;
use Palm::Raw;

my ($path, $name, $type, $creator, @texts) = @ARGV;
my $pdb = Palm::Raw->new;
$pdb->{name} = $name;
$pdb->{type} = $type;
$pdb->{creator} = $creator;
for my $text (@texts) {
  my $record = $pdb->append_Record();
  $record->{data} = ("\0" x 16) . $text . "\0";
}
$pdb->Write($path);
